#include "XmlSettings.h"

#include "XmlBase64.h"
#include "XmlDocument.h"
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

constexpr int kBinaryDecodeLimit = 5000;
constexpr std::size_t kBinaryLineLength = 72;

} // namespace

int XmlDocument::ReadValue(const char* path, const char* key, char* out, int outSize) {
    if (!root_ || !key) return 0;
    XmlElement* element = root_->FindElement(path);
    if (!element) return 0;
    const XmlVariable* variable = element->FindVariable(key);
    if (!variable) return 0;
    const std::string value = variable->GetValueText();
    if (value.empty()) return 0;
    return CopyIfFits(value.c_str(), out, outSize);
}

void XmlDocument::WriteValue(const char* path, const char* key, const char* value) {
    // A document whose load found no element gets the root a new document has.
    if (!root_) root_ = XmlElement::Create(nullptr, "<root/>", 0);
    XmlElement* current = root_.get();
    XmlElement* lastParent = nullptr;
    int lastIndex = -1;
    std::string_view rest(path ? path : "");
    if (!rest.empty()) {
        for (;;) {
            const std::size_t cut = rest.find('\\');
            const std::string step(rest.substr(0, cut));
            int index = current->FindChildIndex(step.c_str());
            if (index < 0) index = current->AddChild(XmlElement::Create(current, step.c_str(), 0)) - 1;
            lastParent = current;
            lastIndex = index;
            current = current->GetChild(index);
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
        lastParent->RemoveChild(lastIndex);
    }
}

int XmlReadString(const char* section, const char* key, const char* defaultText, char* out, int outSize,
                  const char* fileName, XmlDocument* document) {
    int result;
    if (document) {
        result = document->ReadValue(section, key, out, outSize);
    } else {
        XmlDocument scratch(fileName, XmlSourceFile);
        result = scratch.ReadValue(section, key, out, outSize);
    }
    if (result != 0) return result;
    return CopyIfFits(defaultText ? defaultText : "", out, outSize);
}

int XmlWriteString(const char* section, const char* key, const char* value, const char* fileName,
                   XmlDocument* document) {
    if (document) {
        document->WriteValue(section, key, value);
        return 1;
    }
    XmlDocument scratch(fileName, XmlSourceFile);
    scratch.WriteValue(section, key, value);
    // A file that loaded without its name (no declaration, incomplete) is not rewritten.
    const int saved = scratch.HasFileName() ? scratch.Save(nullptr, true, XmlOutputUtf8File) : 0;
    scratch.Close();
    return saved;
}

int XmlReadInt(const char* section, const char* key, int defaultValue, const char* fileName,
               XmlDocument* document) {
    char text[100];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(defaultValue));
    XmlReadString(section, key, text, text, sizeof text, fileName, document);
    return XmlReadInteger(text);
}

float XmlReadFloat(const char* section, const char* key, float defaultValue, const char* fileName,
                   XmlDocument* document) {
    // Room for any float printed with "%f"; reads are limited to 30 bytes.
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(defaultValue));
    XmlReadString(section, key, text, text, 30, fileName, document);
    return static_cast<float>(std::strtod(text, nullptr));
}

int XmlReadBinary(const char* section, const char* key, const char* defaultText, void* out, int size,
                  const char* fileName, XmlDocument* document) {
    if (size < 0) size = 0;
    const std::size_t bufferSize = 5 * static_cast<std::size_t>(size) + 1000;
    std::vector<char> text(bufferSize, '\0');
    if (XmlReadString(section, key, defaultText, text.data(),
                      static_cast<int>(std::min<std::size_t>(bufferSize, 0x7FFFFFFF)), fileName,
                      document) == 0)
        return 0;
    // "__" stands for a line break, and the decoder skips both "_" and line breaks.
    std::vector<std::uint8_t> bytes = Base64Decode(text.data());
    const std::size_t count = std::min(
        {bytes.size(), static_cast<std::size_t>(kBinaryDecodeLimit), static_cast<std::size_t>(size)});
    if (count > 0) std::memcpy(out, bytes.data(), count);
    return static_cast<int>(count);
}

int XmlWriteInt(const char* section, const char* key, int value, const char* fileName,
                XmlDocument* document) {
    char text[16];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
    return XmlWriteString(section, key, text, fileName, document);
}

int XmlWriteFloat(const char* section, const char* key, float value, const char* fileName,
                  XmlDocument* document) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    return XmlWriteString(section, key, text, fileName, document);
}

int XmlWriteBinary(const char* section, const char* key, const void* data, int size, const char* fileName,
                   XmlDocument* document) {
    std::string text = Base64Encode(data, size > 0 ? static_cast<std::size_t>(size) : 0, kBinaryLineLength);
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        text.replace(at, 2, "__");
    return XmlWriteString(section, key, text.c_str(), fileName, document);
}

int XmlWriteStringW(const char* section, const char* key, const char16_t* value, const char* fileName,
                    XmlDocument* document) {
    if (!value) return XmlWriteString(section, key, nullptr, fileName, document);
    const std::string utf8 = Utf16ToUtf8(std::u16string_view(value, Utf16Length(value)));
    return XmlWriteString(section, key, utf8.c_str(), fileName, document);
}

int XmlWriteStringA(const char* section, const char* key, const char* value, const char* fileName) {
    if (!value) return XmlWriteString(section, key, nullptr, fileName, nullptr);
    const std::string utf8 = XmlAnsiToUtf8(value);
    return XmlWriteString(section, key, utf8.c_str(), fileName, nullptr);
}
