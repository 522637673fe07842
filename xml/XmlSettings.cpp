#include "XmlSettings.h"

#include "XmlBase64.h"
#include "XmlDocument.h"
#include "XmlGuard.h"
#include "XmlPlatform.h"
#include "XmlUnicode.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Copies text with its terminator when it fits; returns its length either way.
int CopyIfFits(const char* text, char* out, int outSize) {
    const std::size_t length = std::strlen(text);
    if (out && outSize > 0 && length < static_cast<std::size_t>(outSize)) std::memmove(out, text, length + 1);
    return static_cast<int>(length);
}

constexpr std::size_t kBinaryDecodeLimit = 5000;
constexpr std::size_t kBinaryLineLength = 72;

// The decoded value at path and key; empty when there is none.
std::string FoundValue(const XmlDocument& document, const char* path, const char* key) {
    XmlElement* root = document.GetRoot();
    if (!root || !key) return std::string();
    XmlElement* element = root->FindElement(path);
    if (!element) return std::string();
    const XmlVariable* variable = element->FindVariable(key);
    return variable ? variable->GetValueText() : std::string();
}

// XmlReadString's value as text: the value found, or the default when there is none.
std::string ReadSetting(const char* section, const char* key, const char* defaultText, const char* fileName,
                        XmlDocument* document) {
    std::string value;
    if (document) {
        value = FoundValue(*document, section, key);
    } else {
        XmlDocument scratch(fileName, XmlSourceFile);
        value = FoundValue(scratch, section, key);
    }
    return value.empty() ? std::string(defaultText ? defaultText : "") : value;
}

} // namespace

int XmlDocument::ReadValue(const char* path, const char* key, char* out, int outSize) noexcept {
    return XmlGuarded(0, [&] {
        const std::string value = FoundValue(*this, path, key);
        return value.empty() ? 0 : CopyIfFits(value.c_str(), out, outSize);
    });
}

void XmlDocument::WriteValue(const char* path, const char* key, const char* value) noexcept {
    XmlGuarded(0, [&] {
        WriteSetting(path, key, value);
        return 0;
    });
}

void XmlDocument::WriteSetting(const char* path, const char* key, const char* value) {
    // A document whose load found no element gets the root a new document has.
    if (!root_) root_ = XmlElement::Create(nullptr, "<root/>", 0);
    XmlElement* current = root_.get();
    XmlElement* lastParent = nullptr;
    std::string_view rest(path ? path : "");
    if (!rest.empty()) {
        for (;;) {
            const std::size_t cut = rest.find('\\');
            const std::string step(rest.substr(0, cut));
            // A missing element is named exactly after the component, blanks and all, so
            // the next read or write finds it instead of adding another.
            lastParent = current;
            current = current->FindChild(step.c_str(), true);
            if (cut == std::string_view::npos) break;
            rest.remove_prefix(cut + 1);
        }
    }
    if (key) {
        int index = current->FindVariableIndex(key);
        if (index < 0) index = current->AddNewVariable(key, "") - 1;
        if (value)
            current->GetVariable(index)->SetValue(value, false);
        else
            current->RemoveVariable(index);
    } else if (lastParent) {
        for (int i = 0; i < lastParent->GetChildCount(); ++i)
            if (lastParent->GetChild(i) == current) lastParent->RemoveChild(i);
    }
}

int XmlReadString(const char* section, const char* key, const char* defaultText, char* out, int outSize,
                  const char* fileName, XmlDocument* document) noexcept {
    return XmlGuarded(0, [&] {
        return CopyIfFits(ReadSetting(section, key, defaultText, fileName, document).c_str(), out, outSize);
    });
}

int XmlWriteString(const char* section, const char* key, const char* value, const char* fileName,
                   XmlDocument* document) noexcept {
    if (document) {
        document->WriteValue(section, key, value);
        return 1;
    }
    return XmlGuarded(0, [&] {
        XmlDocument scratch(fileName, XmlSourceFile);
        scratch.WriteValue(section, key, value);
        // A file that loaded without its name (no declaration, incomplete, unreadable) is
        // not rewritten.
        const int saved = scratch.HasFileName() ? scratch.Save(nullptr, true, XmlOutputUtf8File) : 0;
        scratch.Close();
        return saved;
    });
}

int XmlReadInt(const char* section, const char* key, int defaultValue, const char* fileName,
               XmlDocument* document) noexcept {
    char text[100];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(defaultValue));
    XmlReadString(section, key, text, text, sizeof text, fileName, document);
    return XmlReadInteger(text);
}

float XmlReadFloat(const char* section, const char* key, float defaultValue, const char* fileName,
                   XmlDocument* document) noexcept {
    // Room for any float printed with "%f"; reads are limited to 30 bytes.
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(defaultValue));
    XmlReadString(section, key, text, text, 30, fileName, document);
    return static_cast<float>(std::strtod(text, nullptr));
}

int XmlReadBinary(const char* section, const char* key, const char* defaultText, void* out, int size,
                  const char* fileName, XmlDocument* document) noexcept {
    if (size <= 0 || !out) return 0;
    return XmlGuarded(0, [&] {
        // Nothing here is sized by the caller's size: the text is the value itself, and
        // no more is decoded than can be returned.
        const std::string text = ReadSetting(section, key, defaultText, fileName, document);
        // The value is read into a buffer of 5 x size + 1000 bytes, so a longer one is
        // not read at all.
        if (text.empty() || text.size() >= 5 * static_cast<std::size_t>(size) + 1000) return 0;
        // "__" stands for a line break, and the decoder skips both "_" and line breaks.
        const std::vector<std::uint8_t> bytes =
            Base64Decode(text, std::min(kBinaryDecodeLimit, static_cast<std::size_t>(size)));
        if (!bytes.empty()) std::memcpy(out, bytes.data(), bytes.size());
        return static_cast<int>(bytes.size());
    });
}

int XmlWriteInt(const char* section, const char* key, int value, const char* fileName,
                XmlDocument* document) noexcept {
    char text[16];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
    return XmlWriteString(section, key, text, fileName, document);
}

int XmlWriteFloat(const char* section, const char* key, float value, const char* fileName,
                  XmlDocument* document) noexcept {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    return XmlWriteString(section, key, text, fileName, document);
}

int XmlWriteBinary(const char* section, const char* key, const void* data, int size, const char* fileName,
                   XmlDocument* document) noexcept {
    std::string text = Base64Encode(data, size > 0 ? static_cast<std::size_t>(size) : 0, kBinaryLineLength);
    if (text.empty() && size > 0 && data) return 0; // no memory for the text: nothing is stored
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        text.replace(at, 2, "__");
    return XmlWriteString(section, key, text.c_str(), fileName, document);
}

int XmlWriteStringW(const char* section, const char* key, const char16_t* value, const char* fileName,
                    XmlDocument* document) noexcept {
    if (!value) return XmlWriteString(section, key, nullptr, fileName, document);
    const std::string utf8 = Utf16ToUtf8(std::u16string_view(value, Utf16Length(value)));
    return XmlWriteString(section, key, utf8.c_str(), fileName, document);
}

int XmlWriteStringA(const char* section, const char* key, const char* value, const char* fileName) noexcept {
    if (!value) return XmlWriteString(section, key, nullptr, fileName, nullptr);
    const std::string utf8 = XmlAnsiToUtf8(value);
    return XmlWriteString(section, key, utf8.c_str(), fileName, nullptr);
}
