// The main window, class QUILLON: the program's only top-level window.
#pragma once

#include <windows.h>

inline constexpr const wchar_t* kMainWindowClass = L"QUILLON";
inline constexpr const wchar_t* kMainWindowTitle = L"Quillon";

// Registers the class with the main icon as large and small icon; false on failure.
bool RegisterMainWindowClass(HINSTANCE instance, HICON icon);

// Creates the main window with the given menu; the window owns the menu from then on.
HWND CreateMainWindow(HINSTANCE instance, HMENU menu);

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
