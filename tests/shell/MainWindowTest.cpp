// The main window as start-up creates it: class, title, the language module's menu, and
// closing.
#include "AppState.h"
#include "MainWindow.h"
#include "Win32Harness.h"

#include <gtest/gtest.h>

namespace {

TEST(MainWindow, CarriesTitleClassAndMenuAndEndsTheLoopWhenClosed) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HMODULE lang = LoadLibraryW(L"langen.dll");
    ASSERT_TRUE(RegisterMainWindowClass(instance, LoadIconW(instance, L"ICON_1")));
    HWND window = CreateMainWindow(instance, LoadMenuW(lang, L"MENU_MAIN"));
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    PumpUntilIdle();

    EXPECT_EQ(WindowText(window), L"Quillon");
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    EXPECT_STREQ(name, L"QUILLON");
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & (WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS),
              static_cast<LONG>(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS));
    HMENU menu = GetMenu(window);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 4);
    wchar_t text[64] = {};
    GetMenuStringW(menu, 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"&Recorder");

    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    MSG quit = {};
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
    UnregisterClassW(kMainWindowClass, instance);
}

} // namespace
