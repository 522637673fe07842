#include "XmlItems.h"

#include "XmlEncode.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int ReadDecimal(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    unsigned value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<unsigned>(text[i] - '0');
    if (negative) value = 0u - value;
    return static_cast<int>(value);
}

} // namespace

int XmlCopyOut(const std::string& stored, char* buf, bool raw) noexcept {
    if (!buf) return static_cast<int>(stored.size());
    if (raw || XmlDecodeIsIdentity(stored)) {
        std::memcpy(buf, stored.c_str(), stored.size() + 1);
        return static_cast<int>(stored.size());
    }
    const std::string decoded = XmlDecodeString(stored);
    std::memcpy(buf, decoded.c_str(), decoded.size() + 1);
    return static_cast<int>(decoded.size());
}

int XmlReadInteger(const std::string& text) noexcept {
    return ReadDecimal(text);
}

XmlVariable::XmlVariable(const char* name, const char* value, bool raw) noexcept {
    SetName(name, raw);
    SetValue(value, raw);
}

XmlVariable::XmlVariable(std::string_view storedName, std::string_view storedValue) noexcept
    : name_(storedName), value_(storedValue) {
    while (!name_.empty() && name_.back() == ' ')
        name_.pop_back();
}

void XmlVariable::SetName(const char* name, bool raw) noexcept {
    name_ = raw ? std::string(name ? name : "") : XmlEncodeString(name ? name : "");
    while (!name_.empty() && name_.back() == ' ')
        name_.pop_back();
}

void XmlVariable::SetValue(const char* value, bool raw) noexcept {
    value_ = raw ? std::string(value ? value : "") : XmlEncodeString(value ? value : "");
}

std::string XmlVariable::GetNameText(bool raw) const noexcept {
    return raw ? name_ : XmlDecodeString(name_);
}

std::string XmlVariable::GetValueText(bool raw) const noexcept {
    return raw ? value_ : XmlDecodeString(value_);
}

int XmlVariable::GetValueInt() const noexcept {
    return ReadDecimal(GetValueText());
}

void XmlVariable::SetValueInt(int n) noexcept {
    char text[16];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(n));
    value_ = text;
}

float XmlVariable::GetValueFloat() const noexcept {
    const std::string text = GetValueText();
    return static_cast<float>(std::strtod(text.c_str(), nullptr));
}

void XmlVariable::SetValueFloat(float x) noexcept {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(x));
    value_ = text;
}

std::unique_ptr<XmlVariable> XmlVariable::Clone() const noexcept {
    return std::make_unique<XmlVariable>(GetNameText().c_str(), GetValueText().c_str(), false);
}

XmlContent::XmlContent(const char* text, int position, bool raw) noexcept : XmlItem(std::string(), position) {
    SetText(text, raw);
}

void XmlContent::SetText(const char* text, bool raw) noexcept {
    text_ = raw ? std::string(text ? text : "") : XmlEncodeString(text ? text : "");
}

std::string XmlContent::GetTextString(bool raw) const noexcept {
    return raw ? text_ : XmlDecodeString(text_);
}
