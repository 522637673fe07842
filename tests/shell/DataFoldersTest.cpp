// Portable and installed settings folders.
#include "AppState.h"
#include "DataFolders.h"
#include "WinHandles.h"

#include "ShellTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool FolderExists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring UserName() {
    wchar_t name[1000] = {};
    DWORD size = 1000;
    GetUserNameW(name, &size);
    return name;
}

std::wstring ShellFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
    return path;
}

TEST(SetUpDataFolders, PortableModeKeepsSettingsBesideTheProgram) {
    ASSERT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, UniqueRegKey().put()),
              ERROR_SUCCESS)
        << "the uninstall key must not exist for this test";
    std::wstring program = TempFolder(L"quillon-portable");
    SetUpDataFoldersFor((program + L"\\quillon.exe").c_str());

    EXPECT_EQ(std::wstring(g_app.moduleFileName), program + L"\\quillon.exe");
    EXPECT_EQ(std::wstring(g_app.programFolder), program);
    EXPECT_EQ(std::wstring(g_app.machineSettingsFolder), program + L"\\CFG");
    EXPECT_EQ(std::wstring(g_app.userSettingsFolder), program + L"\\UCFG\\" + UserName());
    EXPECT_EQ(std::wstring(g_app.documentsFolder), std::wstring(g_app.userSettingsFolder));
    EXPECT_TRUE(FolderExists(program + L"\\CFG"));
    EXPECT_TRUE(FolderExists(program + L"\\UCFG\\" + UserName()));
}

TEST(SetUpDataFolders, InstalledModeUsesTheShellFolders) {
    HKEY created = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &created, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(created);
    ScopeExit removeKey([] { RegDeleteKeyW(HKEY_LOCAL_MACHINE, kUninstallKey); });

    std::wstring program = TempFolder(L"quillon-installed");
    SetUpDataFoldersFor((program + L"\\quillon.exe").c_str());

    EXPECT_EQ(std::wstring(g_app.documentsFolder), ShellFolder(CSIDL_PERSONAL) + L"\\Quillon");
    EXPECT_EQ(std::wstring(g_app.userSettingsFolder), ShellFolder(CSIDL_APPDATA) + L"\\Quillon");
    EXPECT_EQ(std::wstring(g_app.machineSettingsFolder), ShellFolder(CSIDL_COMMON_APPDATA) + L"\\Quillon");
    EXPECT_TRUE(FolderExists(g_app.documentsFolder));
    EXPECT_TRUE(FolderExists(g_app.userSettingsFolder));
    EXPECT_TRUE(FolderExists(g_app.machineSettingsFolder));
    EXPECT_FALSE(FolderExists(program + L"\\CFG"));
}

TEST(SetUpDataFolders, AVeryLongProgramPathIsCutNotOverrun) {
    std::wstring program = L"C:\\" + std::wstring(400, L'x');
    SetUpDataFoldersFor((program + L"\\quillon.exe").c_str());
    EXPECT_EQ(wcslen(g_app.moduleFileName), 259u);
    EXPECT_EQ(wcslen(g_app.machineSettingsFolder), 259u);
    EXPECT_EQ(wcslen(g_app.userSettingsFolder), 259u);
}

} // namespace
