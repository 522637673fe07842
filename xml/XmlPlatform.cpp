#include "XmlPlatform.h"

#include "XmlUnicode.h"

XmlFilePtr XmlOpenFile(const char* name, XmlFileMode mode) {
    if (!name) return nullptr;
    return XmlFilePtr(std::fopen(name, mode == XmlFileMode::Read ? "rb" : "wb"));
}

XmlFilePtr XmlOpenFileWide(const char16_t* name, XmlFileMode mode) {
    if (!name) return nullptr;
    // File names on this side are UTF-8 bytes.
    const std::string utf8 = Utf16ToUtf8(std::u16string_view(name, Utf16Length(name)));
    return XmlOpenFile(utf8.c_str(), mode);
}

std::string XmlAnsiToUtf8(const char* text) {
    return text ? std::string(text) : std::string();
}

bool XmlCloseWritten(XmlFilePtr file) {
    if (!file) return false;
    const bool flushed = std::fflush(file.get()) == 0 && !std::ferror(file.get());
    return std::fclose(file.release()) == 0 && flushed;
}
