#include "ResourceModules.h"

#include "AppState.h"

bool LoadResourceModules(const char* languageModule) {
    g_app.staticResources = LoadLibraryW(kStaticResourceModule);
    g_app.languageModule = LoadLibraryA(languageModule);
    if (!g_app.languageModule) g_app.languageModule = LoadLibraryA(kDefaultLanguageModule);
    return g_app.staticResources && g_app.languageModule;
}
