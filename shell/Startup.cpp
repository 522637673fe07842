#include "Startup.h"

#include "AppState.h"
#include "DataFolders.h"
#include "MainWindow.h"
#include "ResourceModules.h"
#include "Settings.h"
#include "WinHandles.h"
#include "XmlDocument.h"

#include <ole2.h>
#include <winsock2.h>

AppState g_app;

namespace {

// OleInitialize answers S_FALSE when OLE was already initialised on this thread; that
// still needs its OleUninitialize.
class OleSession {
  public:
    OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    ~OleSession() {
        if (ok_) OleUninitialize();
    }

  private:
    bool ok_;
};

class WinsockSession {
  public:
    WinsockSession() {
        WSADATA data = {};
        ok_ = WSAStartup(0x0202, &data) == 0;
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    ~WinsockSession() {
        if (ok_) WSACleanup();
    }

  private:
    bool ok_ = false;
};

void LoadIconsAndImageList() {
    g_app.mainIcon = LoadIconW(g_app.instance, L"ICON_1");
    // The compilation pane shows 16 x 16 images; load that size rather than shrink. The
    // image list keeps copies.
    UniqueIcon file(static_cast<HICON>(LoadImageW(g_app.instance, L"ICON_FILE", IMAGE_ICON, 16, 16, 0)));
    UniqueIcon folder(static_cast<HICON>(LoadImageW(g_app.instance, L"ICON_FOLDER", IMAGE_ICON, 16, 16, 0)));
    g_app.compilationImages = ImageList_Create(16, 16, ILC_COLOR32, 2, 0);
    ImageList_AddIcon(g_app.compilationImages, file.get());
    ImageList_AddIcon(g_app.compilationImages, folder.get());
}

void RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorW(msg.hwnd, g_app.accelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

} // namespace

int RunQuillon(HINSTANCE instance) {
    OleSession ole;
    (void)LoadLibraryW(L"RICHED20.DLL"); // registers "RichEdit20W" for the status line
    // TODO(axhost): register the ActiveX host window class here.
    SetUpDataFolders();
    WinsockSession winsock;

    INITCOMMONCONTROLSEX controls = {sizeof(controls), 0x7FF};
    InitCommonControlsEx(&controls);

    g_app.machineSettings = OpenSettings(g_app.machineSettingsFolder);
    g_app.userSettings = OpenSettings(g_app.userSettingsFolder);

    g_app.instance = instance;
    char languageModule[100];
    ReadLanguageModuleName(g_app.userSettings.get(), languageModule);
    if (!LoadResourceModules(languageModule)) {
        // The settings documents are neither saved nor closed on this path.
        MessageBoxW(nullptr, kMissingModuleMessage, nullptr, MB_ICONERROR);
        return 0;
    }

    LoadIconsAndImageList();
    g_app.taskbarCreatedMessage = RegisterWindowMessageW(L"TaskbarCreated");
    if (!RegisterMainWindowClass(instance, g_app.mainIcon)) return 0;

    UniqueMenu menu(LoadMenuW(g_app.languageModule, L"MENU_MAIN"));
    g_app.mainWindow = CreateMainWindow(instance, menu.get());
    if (g_app.mainWindow) (void)menu.release(); // the window owns it now
    ShowWindow(g_app.mainWindow, SW_SHOWNORMAL);

    // TODO(tray): put the tray icon in place here.
    g_app.accelerators = LoadAcceleratorsW(g_app.staticResources, L"MENU_MAIN");
    // TODO(engine): start the engine thread here, before the start dialog, so it finds
    // the recorders while the user chooses the project type.
    // TODO(start dialog): ask for the project type, then insert the compilation root
    // and the project's skeleton folders.

    // Without its window nothing could ever post the quit message: the process would
    // wait unseen forever, so go straight to the shutdown.
    if (g_app.mainWindow) RunMessageLoop();

    // TODO(engine): post WM_QUIT to the engine thread and wait up to 21 x 100 ms for it.
    SaveAndCloseSettings(g_app.userSettings);
    SaveAndCloseSettings(g_app.machineSettings);
    // TODO(tray): remove the tray icon.
    return 0;
}
