#include "ResourceModules.h"

#include "AppState.h"

#include <string>

namespace {

// The settings hold the name in UTF-8; the wide loader takes any name a file can have.
std::wstring FromUtf8(const char* text) {
    int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
    if (n <= 0) return {};
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, wide.data(), n);
    wide.resize(static_cast<size_t>(n) - 1);
    return wide;
}

// The name comes from a settings file, so the module is mapped for its resources only:
// none of its code runs. A module without the main menu is not a language module.
HMODULE LoadLanguageModule(const char* name) {
    std::wstring wide = FromUtf8(name);
    if (wide.empty()) return nullptr;
    HMODULE module = LoadLibraryExW(wide.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module && !FindResourceW(module, L"MENU_MAIN", RT_MENU)) {
        FreeLibrary(module);
        module = nullptr;
    }
    return module;
}

} // namespace

bool LoadResourceModules(const char* languageModule) {
    g_app.staticResources = LoadLibraryW(kStaticResourceModule);
    g_app.languageModule = LoadLanguageModule(languageModule);
    if (!g_app.languageModule) g_app.languageModule = LoadLanguageModule(kDefaultLanguageModule);
    return g_app.staticResources && g_app.languageModule;
}
