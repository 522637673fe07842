#include "XmlBase64.h"

#include "XmlGuard.h"

#include <algorithm>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int SextetOf(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

std::string Encode(const std::uint8_t* bytes, std::size_t size, std::size_t lineLength) {
    std::string plain;
    plain.reserve((size + 2) / 3 * 4);
    for (std::size_t i = 0; i < size; i += 3) {
        const std::uint32_t b0 = bytes[i];
        const std::uint32_t b1 = i + 1 < size ? bytes[i + 1] : 0;
        const std::uint32_t b2 = i + 2 < size ? bytes[i + 2] : 0;
        const std::uint32_t group = (b0 << 16) | (b1 << 8) | b2;
        plain += kAlphabet[(group >> 18) & 63];
        plain += kAlphabet[(group >> 12) & 63];
        plain += i + 1 < size ? kAlphabet[(group >> 6) & 63] : '=';
        plain += i + 2 < size ? kAlphabet[group & 63] : '=';
    }
    if (lineLength == 0) return plain;
    std::string out;
    out.reserve(plain.size() + plain.size() / lineLength * 2);
    for (std::size_t i = 0; i < plain.size(); i += lineLength) {
        if (i > 0) out += "\r\n";
        out.append(plain, i, lineLength);
    }
    return out;
}

std::vector<std::uint8_t> Decode(std::string_view text, std::size_t limit) {
    std::vector<std::uint8_t> out;
    out.reserve(std::min(text.size() / 4 * 3, limit));
    std::uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        if (c == '=' || out.size() >= limit) break;
        const int sextet = SextetOf(c);
        if (sextet < 0) continue;
        bits = (bits << 6) | static_cast<std::uint32_t>(sextet);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out.push_back(static_cast<std::uint8_t>((bits >> count) & 0xFF));
        }
    }
    return out;
}

} // namespace

std::string Base64Encode(const void* data, std::size_t size, std::size_t lineLength) noexcept {
    if (!data) size = 0;
    return XmlGuarded(std::string(),
                      [&] { return Encode(static_cast<const std::uint8_t*>(data), size, lineLength); });
}

std::vector<std::uint8_t> Base64Decode(std::string_view text, std::size_t limit) noexcept {
    return XmlGuarded(std::vector<std::uint8_t>(), [&] { return Decode(text, limit); });
}
