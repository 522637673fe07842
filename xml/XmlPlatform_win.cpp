#include "XmlPlatform.h"

#include "XmlUnicode.h"

#include <windows.h>

#include <vector>

XmlFilePtr XmlOpenFile(const char* name, XmlFileMode mode) {
    if (!name) return nullptr;
    // Narrow names are in the ANSI code page, as the C runtime takes them.
    return XmlFilePtr(std::fopen(name, mode == XmlFileMode::Read ? "rb" : "wb"));
}

XmlFilePtr XmlOpenFileWide(const char16_t* name, XmlFileMode mode) {
    if (!name) return nullptr;
    return XmlFilePtr(
        _wfopen(reinterpret_cast<const wchar_t*>(name), mode == XmlFileMode::Read ? L"rb" : L"wb"));
}

std::string XmlAnsiToUtf8(const char* text) {
    if (!text || !*text) return std::string();
    const int units = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (units <= 0) return std::string();
    std::vector<wchar_t> wide(static_cast<std::size_t>(units));
    if (MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), units) <= 0) return std::string();
    return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()),
                                           static_cast<std::size_t>(units - 1)));
}

bool XmlCloseWritten(XmlFilePtr file) {
    if (!file) return false;
    const bool flushed = std::fflush(file.get()) == 0 && !std::ferror(file.get());
    return std::fclose(file.release()) == 0 && flushed;
}
