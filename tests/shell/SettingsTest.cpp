// The settings documents at start-up and shutdown, and the choice of language module.
#include "AppState.h"
#include "ResourceModules.h"
#include "Settings.h"
#include "XmlDocument.h"

#include "ShellTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

void WriteFile(const std::wstring& path, const std::string& text) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << text;
}

std::string ReadFile(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\r\n";

TEST(Settings, LanguageModuleNameComesFromTheUserSettingsOrTheDefault) {
    std::wstring folder = TempFolder(L"quillon-settings-lang");
    DeleteFileW((folder + L"\\quillon.xml").c_str());
    char name[100];

    auto missing = OpenSettings(folder.c_str());
    ReadLanguageModuleName(missing.get(), name);
    EXPECT_STREQ(name, "langen.dll");

    WriteFile(folder + L"\\quillon.xml",
              std::string(kDeclaration) + "<q><General><Language dllfile=\"langde.dll\" /></General></q>");
    auto chosen = OpenSettings(folder.c_str());
    ReadLanguageModuleName(chosen.get(), name);
    EXPECT_STREQ(name, "langde.dll");
}

TEST(Settings, AMissingFileIsCreatedAtShutdownAndABrokenOneIsKept) {
    std::wstring folder = TempFolder(L"quillon-settings-save");
    DeleteFileW((folder + L"\\quillon.xml").c_str());
    std::wstring file = folder + L"\\quillon.xml";
    auto document = OpenSettings(folder.c_str());
    SaveAndCloseSettings(document);
    EXPECT_EQ(document, nullptr);
    std::string created = ReadFile(file);
    EXPECT_NE(created.find("<root"), std::string::npos) << created;

    const std::string broken =
        std::string(kDeclaration) + "<q><General><Language dllfile=\"x\"></General><Keep/></q>";
    WriteFile(file, broken);
    document = OpenSettings(folder.c_str());
    ASSERT_EQ(document->GetErrorCode(), static_cast<std::uint32_t>(XmlErrorMissingEndTag));
    char name[100];
    ReadLanguageModuleName(document.get(), name); // must not crash on a partial tree
    SaveAndCloseSettings(document);
    EXPECT_EQ(ReadFile(file), broken);
}

// Which module answered: testlang.dll's string 500 is long, langen.dll has none.
size_t String500Length() {
    wchar_t text[1000] = {};
    return static_cast<size_t>(LoadStringW(g_app.languageModule, 500, text, 1000));
}

TEST(ResourceModules, TheNamedLanguageModuleIsUsedOrLangenInstead) {
    ASSERT_TRUE(LoadResourceModules("testlang.dll"));
    EXPECT_EQ(String500Length(), 999u);

    // A name outside ASCII, as UTF-8 from the settings file.
    std::wstring copy = TempFolder(L"quillon-lang") + L"\\lang\u00fc\u20ac.dll";
    ASSERT_TRUE(CopyFileW(L"testlang.dll", copy.c_str(), FALSE));
    char utf8[MAX_PATH * 3] = {};
    WideCharToMultiByte(CP_UTF8, 0, copy.c_str(), -1, utf8, sizeof(utf8), nullptr, nullptr);
    ASSERT_TRUE(LoadResourceModules(utf8));
    EXPECT_EQ(String500Length(), 999u);

    // Missing, not a language module at all, or no name: langen.dll takes over.
    for (const char* name : {"langxx.dll", "kernel32.dll", "QRES.DLL", ""}) {
        ASSERT_TRUE(LoadResourceModules(name)) << name;
        EXPECT_EQ(String500Length(), 0u) << name;
        wchar_t text[100] = {};
        LoadStringW(g_app.languageModule, 2, text, 100);
        EXPECT_STREQ(text, L"The operation finished successfully.") << name;
    }
}

} // namespace
