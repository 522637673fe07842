// Where the program keeps its settings: beside the executable (portable) or, when the
// uninstall key exists, in the user's and the machine's application-data folders.
#pragma once

// Fills the folder fields of g_app from the running executable's path and creates
// the folders.
void SetUpDataFolders();

// The same for a given executable path; the portable folders go beside it.
void SetUpDataFoldersFor(const wchar_t* moduleFileName);

inline constexpr const wchar_t* kUninstallKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillon";
