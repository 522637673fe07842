// Process-wide state of the user-interface side, set up at start-up and kept for the
// whole run. Fixed-size text buffers keep the sizes the program has always used;
// longer values are cut.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>

class XmlDocument;

struct AppState {
    HINSTANCE instance = nullptr;
    HMODULE staticResources = nullptr; // QRES.DLL: accelerators, toolbar bitmap
    HMODULE languageModule = nullptr;  // menus, dialog templates, string table

    wchar_t moduleFileName[260] = {};
    wchar_t programFolder[520] = {}; // without a trailing backslash
    wchar_t machineSettingsFolder[260] = {};
    wchar_t userSettingsFolder[260] = {};
    wchar_t documentsFolder[260] = {};

    HICON mainIcon = nullptr;
    HIMAGELIST compilationImages = nullptr; // 0 = file, 1 = folder
    UINT taskbarCreatedMessage = 0;
    HACCEL accelerators = nullptr;
    HWND mainWindow = nullptr;
    HANDLE engineThread = nullptr;
    int projectType = 2; // the start dialog's result; 2 until it returns

    std::unique_ptr<XmlDocument> machineSettings;
    std::unique_ptr<XmlDocument> userSettings;
};

extern AppState g_app;
