#include "XmlEncode.h"

#include "XmlUnicode.h"

#include <cstring>

namespace {

const char* EscapeFor(char c, char next) {
    switch (c) {
    case '&': return next == '#' ? nullptr : "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    case '\'': return "&apos;";
    default: return nullptr;
    }
}

int DigitValue(char c, int base) {
    if (c >= '0' && c <= '9') return c - '0';
    if (base == 16) {
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    }
    return -1;
}

struct NamedEntity {
    std::string_view text;
    char value;
};

constexpr NamedEntity kEntities[] = {
    {"&amp;", '&'}, {"&quot;", '"'}, {"&apos;", '\''}, {"&lt;", '<'}, {"&gt;", '>'},
};

} // namespace

std::string XmlEncodeString(std::string_view text) noexcept {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (const char* escape = EscapeFor(text[i], next))
            out += escape;
        else
            out += text[i];
    }
    return out;
}

std::string XmlEncodeName(std::string_view text) noexcept {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case ' ': out += "&#32;"; break;
        case '\t': out += "&#9;"; break;
        case '/': out += "&#47;"; break;
        default:
            if (const char* escape = EscapeFor(c, '\0'))
                out += escape;
            else
                out += c;
        }
    }
    return out;
}

std::string XmlDecodeString(std::string_view s) noexcept {
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        const std::size_t amp = s.find('&', i);
        if (amp == std::string_view::npos) {
            out.append(s.substr(i));
            break;
        }
        out.append(s.substr(i, amp - i));
        i = amp;
        if (i + 1 < n && s[i + 1] == '#') {
            std::size_t j = i + 2;
            int base = 10;
            if (j < n && (s[j] == 'x' || s[j] == 'X')) {
                base = 16;
                ++j;
            }
            // Reduced as we go: exact modulo 65536 for any number of digits, no overflow.
            unsigned value = 0;
            for (int d; j < n && (d = DigitValue(s[j], base)) >= 0; ++j)
                value = (value * static_cast<unsigned>(base) + static_cast<unsigned>(d)) & 0xFFFF;
            // The byte after the digits (normally ";") goes too, but never past the end.
            if (j < n) ++j;
            if (value != 0) AppendUtf8Unit(out, value);
            i = j;
            continue;
        }
        bool matched = false;
        for (const auto& entity : kEntities) {
            if (s.substr(i, entity.text.size()) == entity.text) {
                out += entity.value;
                i += entity.text.size();
                matched = true;
                break;
            }
        }
        if (!matched) {
            out += '&';
            ++i;
        }
    }
    return out;
}

int XmlEncode(const char* text, char* out) noexcept {
    if (!text) return 0;
    if (!out) {
        std::size_t length = 0;
        for (const char* p = text; *p; ++p) {
            const char* escape = EscapeFor(*p, p[1]);
            length += escape ? std::strlen(escape) : 1;
        }
        return static_cast<int>(length);
    }
    const std::string encoded = XmlEncodeString(text);
    std::memcpy(out, encoded.c_str(), encoded.size() + 1);
    return static_cast<int>(encoded.size());
}

int XmlDecode(const char* stored, char* out) noexcept {
    if (!stored) {
        if (out) *out = '\0';
        return 0;
    }
    if (!out) return static_cast<int>(std::strlen(stored));
    const std::string decoded = XmlDecodeString(stored);
    std::memcpy(out, decoded.c_str(), decoded.size() + 1);
    return static_cast<int>(decoded.size());
}
