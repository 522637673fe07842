#include "XmlUnicode.h"

#include "XmlConvert.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

void AppendCodePoint(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

void AppendUtf8Unit(std::string& out, unsigned value) noexcept {
    AppendCodePoint(out, value & 0xFFFF);
}

std::size_t Utf16Length(const char16_t* text) noexcept {
    std::size_t n = 0;
    if (text)
        while (text[n])
            ++n;
    return n;
}

std::u16string xmlconv::ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            out += static_cast<char16_t>(c);
            ++i;
            continue;
        }
        std::size_t len = 0;
        unsigned cp = 0;
        unsigned minimum = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2, cp = c & 0x1F, minimum = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3, cp = c & 0x0F, minimum = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4, cp = c & 0x07, minimum = 0x10000;
        }
        bool valid = len != 0 && i + len <= n;
        for (std::size_t k = 1; valid && k < len; ++k) {
            if (!IsContinuation(s[i + k]))
                valid = false;
            else
                cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if (valid && (cp < minimum || cp > 0x10FFFF)) valid = false;
        if (!valid) {
            out += kReplacement;
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += len;
    }
    return out;
}

std::string xmlconv::ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned u = text[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            const unsigned low = text[i + 1];
            AppendCodePoint(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            AppendCodePoint(out, kReplacement);
        } else {
            AppendCodePoint(out, u);
        }
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view text) noexcept {
    return xmlconv::ToUtf16(text);
}

std::string Utf16ToUtf8(std::u16string_view text) noexcept {
    return xmlconv::ToUtf8(text);
}
