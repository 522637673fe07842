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

TEST(ResourceModules, TheNamedLanguageModuleIsUsedAndAMissingOneFallsBack) {
    ASSERT_TRUE(LoadResourceModules("testlang.dll"));
    EXPECT_EQ(g_app.languageModule, GetModuleHandleW(L"testlang.dll"));
    ASSERT_TRUE(LoadResourceModules("langxx.dll"));
    EXPECT_EQ(g_app.languageModule, GetModuleHandleW(L"langen.dll"));
}

} // namespace
