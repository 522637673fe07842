#include "MainWindow.h"

namespace {

LRESULT OnClose(HWND window) {
    DestroyWindow(window);
    return 0;
}

LRESULT OnDestroy() {
    PostQuitMessage(0);
    return 0;
}

} // namespace

bool RegisterMainWindowClass(HINSTANCE instance, HICON icon) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_PARENTDC;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassExW(&wc) != 0;
}

HWND CreateMainWindow(HINSTANCE instance, HMENU menu) {
    return CreateWindowExW(0, kMainWindowClass, kMainWindowTitle,
                           WS_OVERLAPPEDWINDOW | WS_MAXIMIZE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu,
                           instance, nullptr);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE: return OnClose(window);
    case WM_DESTROY: return OnDestroy();
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
