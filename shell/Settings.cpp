#include "Settings.h"

#include "ResourceModules.h"
#include "XmlDocument.h"
#include "XmlSettings.h"

#include <cstring>
#include <string>

std::unique_ptr<XmlDocument> OpenSettings(const wchar_t* folder) {
    std::wstring path = std::wstring(folder) + L"\\quillon.xml";
    return XmlDocument::OpenWide(path.c_str());
}

void SaveAndCloseSettings(std::unique_ptr<XmlDocument>& document) {
    if (!document) return;
    // A document that did not load completely has forgotten its file name, so this
    // leaves such a file as it is; nothing else can be done about a failed save here.
    (void)document->Save(nullptr, true, 0);
    document->Close();
    document.reset();
}

void ReadLanguageModuleName(XmlDocument* userSettings, char (&out)[100]) {
    std::memset(out, 0, sizeof(out));
    XmlReadString(kLanguageSection, kLanguageKey, kDefaultLanguageModule, out, sizeof(out), nullptr,
                  userSettings);
}
