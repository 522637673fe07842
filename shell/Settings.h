// The two settings documents, quillon.xml per machine and per user: opened at start-up,
// saved at shutdown.
#pragma once

#include <memory>

class XmlDocument;

inline constexpr const char* kLanguageSection = "General\\Language";
inline constexpr const char* kLanguageKey = "dllfile";

// Opens "<folder>\quillon.xml"; a missing file gives an empty document that remembers
// its name, so saving creates it.
std::unique_ptr<XmlDocument> OpenSettings(const wchar_t* folder);

// Saves the document to its own file (UTF-8, as stored) and closes it. A file whose
// load stopped short (a missing end tag, no declaration) is left as it is: saving the
// part that was read would throw the rest of the user's settings away.
void SaveAndCloseSettings(std::unique_ptr<XmlDocument>& document);

// The language module's file name from the user's settings, "langen.dll" by default;
// `out` holds 100 bytes.
void ReadLanguageModuleName(XmlDocument* userSettings, char (&out)[100]);
