// What the program relies on in QRES.DLL, the language module and its own resources:
// names, ids and positions, read back from the built modules.
#include "ResourceIds.h"
#include "WinHandles.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct Modules {
    UniqueModule qres{LoadLibraryW(L"QRES.DLL")};
    UniqueModule lang{LoadLibraryW(L"langen.dll")};
};

void CollectCommandIds(HMENU menu, std::set<UINT>& ids) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU sub = GetSubMenu(menu, i))
            CollectCommandIds(sub, ids);
        else
            ids.insert(GetMenuItemID(menu, i));
    }
}

TEST(LanguageModule, MainMenuCarriesEveryCommandAndTheFourRecorderSubmenus) {
    Modules m;
    UniqueMenu menu(LoadMenuW(m.lang.get(), L"MENU_MAIN"));
    ASSERT_TRUE(menu);
    std::set<UINT> ids;
    CollectCommandIds(menu.get(), ids);
    for (UINT id : {201u, 202u, 203u, 204u, 801u, 802u, 803u, 810u, 811u, 898u})
        EXPECT_TRUE(ids.count(id)) << id;

    HMENU recorders = GetSubMenu(menu.get(), 1);
    ASSERT_NE(recorders, nullptr);
    for (int position = 1; position <= 4; ++position) {
        HMENU action = GetSubMenu(recorders, position);
        ASSERT_NE(action, nullptr) << "position " << position;
        EXPECT_EQ(GetMenuItemCount(action), 1) << "one placeholder at position " << position;
        EXPECT_EQ(GetMenuItemID(action, 0), static_cast<UINT>(IDM_RECORDER_PLACEHOLDER));
    }
}

TEST(LanguageModule, EveryStringInUseHasAText) {
    Modules m;
    std::vector<int> ids = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20};
    for (int id = 21; id <= 27; ++id)
        ids.push_back(id);
    for (int id = 31; id <= 35; ++id)
        ids.push_back(id);
    for (int id : ids) {
        wchar_t text[1000] = {};
        EXPECT_GT(LoadStringW(m.lang.get(), id, text, 1000), 0) << "string " << id;
    }
}

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

struct ExpectedControl {
    int id;
    const wchar_t* windowClass;
    DWORD typeStyle; // the BS_ / CBS_ type bits that matter, or 0
};

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

void ExpectControls(const Modules& m, const wchar_t* dialogName, std::vector<ExpectedControl> controls) {
    UniqueWindow dialog(CreateDialogParamW(m.lang.get(), dialogName, nullptr, QuietDialog, 0));
    ASSERT_TRUE(dialog) << "dialog template";
    for (const auto& c : controls) {
        HWND control = GetDlgItem(dialog.get(), c.id);
        ASSERT_NE(control, nullptr) << "control " << c.id;
        EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), c.windowClass), 0) << "control " << c.id;
        if (c.typeStyle) {
            EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & 0xF, static_cast<LONG>(c.typeStyle)) << c.id;
        }
    }
}

TEST(LanguageModule, OperationDialogsHaveTheirControls) {
    Modules m;
    const ExpectedControl ok{IDOK, L"Button", 0}, cancel{IDCANCEL, L"Button", 0};
    auto combo = [](int id) { return ExpectedControl{id, L"ComboBox", 0}; };
    auto check = [](int id) { return ExpectedControl{id, L"Button", BS_AUTOCHECKBOX}; };
    ExpectControls(m, L"DIALOG_ERASE", {combo(101), combo(102), ok, cancel});
    ExpectControls(m, L"DIALOG_SESSION", {});
    ExpectControls(m, L"DIALOG_DAO",
                   {combo(101), combo(103), check(301), check(302), check(303), check(304), ok, cancel});
    ExpectControls(m, L"DIALOG_DATAWRITE",
                   {combo(101),
                    {102, L"Edit", 0},
                    combo(103),
                    combo(104),
                    check(301),
                    check(302),
                    check(303),
                    check(304),
                    ok,
                    cancel});
}

TEST(LanguageModule, StartDialogHasItsMenuAndButtons) {
    Modules m;
    ExpectControls(m, L"DIALOG_BEGIN",
                   {{1000, L"Button", 0},
                    {1001, L"Button", 0},
                    {1002, L"Button", 0},
                    {401, L"Button", 0},
                    {2, L"Button", 0}});
    UniqueWindow dialog(CreateDialogParamW(m.lang.get(), L"DIALOG_BEGIN", nullptr, QuietDialog, 0));
    HMENU menu = GetMenu(dialog.get());
    ASSERT_NE(menu, nullptr);
    std::set<UINT> projectIds;
    for (int position = 0; position < 3; ++position) {
        HMENU drop = GetSubMenu(menu, position);
        ASSERT_NE(drop, nullptr) << "drop-down menu at " << position;
        CollectCommandIds(drop, projectIds);
    }
    for (UINT id : {201u, 301u, 302u, 303u})
        EXPECT_TRUE(projectIds.count(id)) << id;
    wchar_t text[100] = {};
    EXPECT_GT(GetMenuStringW(menu, 401, text, 100, MF_BYCOMMAND), 0);
    EXPECT_GT(GetMenuStringW(menu, IDCANCEL, text, 100, MF_BYCOMMAND), 0);
}

// The start dialog shows a toolbar of five buttons with the images of "B_1" and captions
// from its menu in place of its own buttons; all five must fit.
TEST(LanguageModule, StartDialogHasRoomForItsToolbar) {
    Modules m;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    UniqueWindow dialog(CreateDialogParamW(m.lang.get(), L"DIALOG_BEGIN", nullptr, QuietDialog, 0));
    ASSERT_TRUE(dialog);
    HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                   WS_CHILD | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE, 0, 0,
                                   288, 72, dialog.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(toolbar, nullptr);
    UniqueImageList images(ImageList_LoadImageW(m.qres.get(), L"B_1", 72, 0, RGB(255, 255, 255), IMAGE_BITMAP,
                                                LR_CREATEDIBSECTION));
    SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.get()));
    SendMessageW(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HMENU menu = GetMenu(dialog.get());
    const int ids[] = {1000, 1001, 1002, IDM_PROJECT_EMPTY, IDCANCEL};
    for (int i = 0; i < 5; ++i) {
        wchar_t caption[1000] = {};
        if (ids[i] >= 1000) GetMenuStringW(menu, ids[i] - 1000, caption, 1000, MF_BYPOSITION);
        else GetMenuStringW(menu, ids[i], caption, 1000, MF_BYCOMMAND);
        caption[999] = L'\0';
        INT_PTR text = SendMessageW(toolbar, TB_ADDSTRINGW, 0, reinterpret_cast<LPARAM>(caption));
        TBBUTTON button = {i, ids[i], TBSTATE_ENABLED, static_cast<BYTE>(ids[i] >= 1000 ? BTNS_DROPDOWN : BTNS_BUTTON),
                           {}, 0, text};
        SendMessageW(toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    }
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
    SIZE needed = {};
    SendMessageW(toolbar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&needed));
    RECT client = {};
    GetClientRect(dialog.get(), &client);
    EXPECT_GE(client.right, needed.cx);
    EXPECT_GT(client.bottom, needed.cy + 20) << "room for the line of text below the toolbar";
}

TEST(StaticModule, HoldsTheAcceleratorsAndFiveToolbarImages) {
    Modules m;
    HACCEL accelerators = LoadAcceleratorsW(m.qres.get(), L"MENU_MAIN");
    EXPECT_NE(accelerators, nullptr);
    HBITMAP bitmap =
        static_cast<HBITMAP>(LoadImageW(m.qres.get(), L"B_1", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info = {};
    GetObjectW(bitmap, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 5 * 72);
    EXPECT_EQ(info.bmHeight, 72);
    DeleteObject(bitmap);
}

TEST(ProgramResources, IconsLoad) {
    HINSTANCE self = GetModuleHandleW(nullptr);
    for (const wchar_t* name : {L"ICON_1", L"ICON_FILE", L"ICON_FOLDER"})
        EXPECT_NE(LoadIconW(self, name), nullptr);
}

TEST(ProgramResources, ManifestSelectsCommonControlsSix) {
    HINSTANCE self = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(self, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(found, nullptr);
    std::string manifest(static_cast<const char*>(LockResource(LoadResource(self, found))),
                         SizeofResource(self, found));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);

    // And the system honours it: the common controls come from the version 6 assembly.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), path, MAX_PATH);
    CharLowerW(path);
    EXPECT_NE(wcsstr(path, L"common-controls_6595b64144ccf1df_6."), nullptr)
        << "loaded from the side-by-side store";
}

// Reads a classic (not extended) dialog template field by field.
class TemplateReader {
  public:
    explicit TemplateReader(const void* data) : p_(static_cast<const BYTE*>(data)) {}
    DWORD Dword() {
        DWORD v;
        memcpy(&v, p_, 4);
        p_ += 4;
        return v;
    }
    WORD Word() {
        WORD v;
        memcpy(&v, p_, 2);
        p_ += 2;
        return v;
    }
    short Short() { return static_cast<short>(Word()); }
    // A name or ordinal: 0 = none, 0xFFFF + ordinal, or a zero-terminated text.
    std::wstring NameOrOrdinal() {
        WORD first = Word();
        if (first == 0) return L"";
        if (first == 0xFFFF) return L"#" + std::to_wstring(Word());
        std::wstring text(1, static_cast<wchar_t>(first));
        while (WORD c = Word())
            text += static_cast<wchar_t>(c);
        return text;
    }
    void AlignDword() {
        while (reinterpret_cast<ULONG_PTR>(p_) & 3)
            ++p_;
    }

  private:
    const BYTE* p_;
};

TEST(ProgramResources, UpdateDialogTemplateMatchesItsLayout) {
    HINSTANCE self = GetModuleHandleW(nullptr);
    HRSRC found =
        FindResourceExW(self, RT_DIALOG, L"DIALOG_UPDATE", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_NE(found, nullptr);
    TemplateReader r(LockResource(LoadResource(self, found)));

    DWORD style = r.Dword();
    EXPECT_EQ(style, static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_SETFOREGROUND |
                                        DS_SETFONT | DS_ABSALIGN));
    EXPECT_EQ(r.Dword(), 0u); // no extended style
    WORD count = r.Word();
    EXPECT_EQ(count, 4);
    EXPECT_EQ(r.Short(), 0);
    EXPECT_EQ(r.Short(), 0);
    EXPECT_EQ(r.Short(), 381);
    EXPECT_EQ(r.Short(), 109);
    EXPECT_EQ(r.NameOrOrdinal(), L""); // no menu
    EXPECT_EQ(r.NameOrOrdinal(), L""); // default class
    EXPECT_EQ(r.NameOrOrdinal(), L"Quillon Update");
    EXPECT_EQ(r.Word(), 8);
    EXPECT_EQ(r.NameOrOrdinal(), L"Tahoma");

    struct Item {
        WORD id;
        const wchar_t* windowClass;
        const wchar_t* text;
        short x, y, cx, cy;
        DWORD style;
    };
    const DWORD child = WS_CHILD | WS_VISIBLE;
    const Item expected[] = {
        {701, L"Static", L"", 41, 18, 300, 10, child | SS_LEFT},
        {901, L"msctls_progress32", L"", 41, 38, 300, 15, child | WS_BORDER},
        {702, L"Static", L"Overall process:", 41, 60, 300, 10, child | SS_LEFT},
        {902, L"msctls_progress32", L"", 41, 76, 300, 15, child | WS_BORDER},
    };
    for (const Item& e : expected) {
        r.AlignDword();
        EXPECT_EQ(r.Dword(), e.style) << e.id;
        EXPECT_EQ(r.Dword(), 0u) << e.id;
        EXPECT_EQ(r.Short(), e.x);
        EXPECT_EQ(r.Short(), e.y);
        EXPECT_EQ(r.Short(), e.cx);
        EXPECT_EQ(r.Short(), e.cy);
        EXPECT_EQ(r.Word(), e.id);
        // A predefined class may be stored by name or by its ordinal (0x82 for Static).
        std::wstring windowClass = r.NameOrOrdinal();
        if (windowClass == L"#130") windowClass = L"Static";
        EXPECT_EQ(_wcsicmp(windowClass.c_str(), e.windowClass), 0) << e.id;
        EXPECT_EQ(r.NameOrOrdinal(), e.text) << e.id;
        EXPECT_EQ(r.Word(), 0) << "no creation data";
    }
}

} // namespace
