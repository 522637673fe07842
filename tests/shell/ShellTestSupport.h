// Small helpers shared by the shell tests.
#pragma once

#include <windows.h>

#include <string>

// A folder below the temporary folder, created when missing.
inline std::wstring TempFolder(const wchar_t* name) {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    std::wstring folder = std::wstring(base) + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}
