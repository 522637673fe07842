// The two resource modules beside the executable: QRES.DLL and the language module.
#pragma once

inline constexpr const wchar_t* kStaticResourceModule = L"QRES.DLL";
inline constexpr const char* kDefaultLanguageModule = "langen.dll";
inline constexpr const wchar_t* kMissingModuleMessage = L"A Quillon DLL is missing! Please reinstall!";

// Loads QRES.DLL and the named language module (a UTF-8 file name), falling back to
// langen.dll when that one cannot be loaded or holds no main menu; stores both handles
// in g_app. False when either is missing.
bool LoadResourceModules(const char* languageModule);
