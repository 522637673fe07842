#include "TextConversion.h"

#include <cstdint>

namespace quillon::discimage {

namespace {

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Decodes one code point at in[i]; advances i. Returns false on malformed input.
bool NextUtf16(std::u16string_view in, std::size_t& i, char32_t& c) {
    const char16_t u = in[i++];
    if (IsHighSurrogate(u)) {
        if (i >= in.size() || !IsLowSurrogate(in[i])) return false;
        c = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (in[i++] - 0xDC00);
        return true;
    }
    if (IsLowSurrogate(u)) return false;
    c = u;
    return true;
}

} // namespace

bool Utf8ToUtf16(std::string_view in, std::u16string* out) {
    out->clear();
    out->reserve(in.size());
    std::size_t i = 0;
    while (i < in.size()) {
        const auto b0 = static_cast<unsigned char>(in[i]);
        char32_t c;
        std::size_t extra;
        char32_t min;
        if (b0 < 0x80) {
            c = b0;
            extra = 0;
            min = 0;
        } else if ((b0 & 0xE0) == 0xC0) {
            c = b0 & 0x1F;
            extra = 1;
            min = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            c = b0 & 0x0F;
            extra = 2;
            min = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            c = b0 & 0x07;
            extra = 3;
            min = 0x10000;
        } else {
            return false;
        }
        if (in.size() - i - 1 < extra) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(in[i + k]);
            if ((b & 0xC0) != 0x80) return false;
            c = (c << 6) | (b & 0x3F);
        }
        if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += extra + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            *out += static_cast<char16_t>(0xD800 + (c >> 10));
            *out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            *out += static_cast<char16_t>(c);
        }
    }
    return true;
}

bool Utf16ToUtf8(std::u16string_view in, std::string* out) {
    out->clear();
    out->reserve(in.size());
    std::size_t i = 0;
    while (i < in.size()) {
        char32_t c;
        if (!NextUtf16(in, i, c)) return false;
        AppendUtf8(c, *out);
    }
    return true;
}

std::string Utf16ToUtf8Lossy(std::u16string_view in) {
    std::string out;
    std::size_t i = 0;
    while (i < in.size()) {
        char32_t c;
        if (!NextUtf16(in, i, c)) c = 0xFFFD;
        AppendUtf8(c, out);
    }
    return out;
}

} // namespace quillon::discimage
