#include "DataFolders.h"

#include "AppState.h"
#include "FixedText.h"
#include "WinHandles.h"

#include <shlobj.h>

namespace {

template <size_t N> void ShellFolderPlusQuillon(int csidl, wchar_t (&folder)[N]) {
    folder[0] = L'\0';
    UniquePidl pidl;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, pidl.put()))) {
        wchar_t path[MAX_PATH] = {};
        if (SHGetPathFromIDListW(pidl.get(), path)) CopyCut(folder, path);
    }
    // A drive root comes with its backslash ("D:\"); do not double it.
    size_t length = wcslen(folder);
    if (length && folder[length - 1] == L'\\') folder[length - 1] = L'\0';
    AppendCut(folder, L"\\Quillon");
}

// An existing folder or one that cannot be made is not reported: the settings
// simply will not be saved there.
void CreateFolder(const wchar_t* path) {
    (void)CreateDirectoryW(path, nullptr);
}

bool IsInstalled() {
    UniqueRegKey key;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_ALL_ACCESS, key.put()) == ERROR_SUCCESS;
}

} // namespace

void SetUpDataFoldersFor(const wchar_t* moduleFileName) {
    CopyCut(g_app.moduleFileName, moduleFileName);
    CopyCut(g_app.programFolder, moduleFileName);
    if (wchar_t* slash = wcsrchr(g_app.programFolder, L'\\')) *slash = L'\0';

    if (IsInstalled()) {
        ShellFolderPlusQuillon(CSIDL_PERSONAL, g_app.documentsFolder);
        CreateFolder(g_app.documentsFolder);
        ShellFolderPlusQuillon(CSIDL_APPDATA, g_app.userSettingsFolder);
        CreateFolder(g_app.userSettingsFolder);
        ShellFolderPlusQuillon(CSIDL_COMMON_APPDATA, g_app.machineSettingsFolder);
        CreateFolder(g_app.machineSettingsFolder);
        return;
    }

    CopyCut(g_app.machineSettingsFolder, g_app.programFolder);
    AppendCut(g_app.machineSettingsFolder, L"\\CFG");
    CreateFolder(g_app.machineSettingsFolder);

    CopyCut(g_app.userSettingsFolder, g_app.programFolder);
    AppendCut(g_app.userSettingsFolder, L"\\UCFG");
    CreateFolder(g_app.userSettingsFolder);
    wchar_t user[1000] = {};
    DWORD size = 1000;
    (void)GetUserNameW(user, &size);
    AppendCut(g_app.userSettingsFolder, L"\\");
    AppendCut(g_app.userSettingsFolder, user);
    CreateFolder(g_app.userSettingsFolder);

    CopyCut(g_app.documentsFolder, g_app.userSettingsFolder);
}

void SetUpDataFolders() {
    // The program folder is taken from the longer buffer, so it is not cut where the
    // module file name is.
    wchar_t path[520] = {};
    GetModuleFileNameW(nullptr, path, 520);
    SetUpDataFoldersFor(path);
}
