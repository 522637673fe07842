#include "JolietNames.h"

namespace quillon::discimage {

namespace {

bool IsForbidden(char16_t c) {
    return c < 0x20 || c == u'*' || c == u'/' || c == u':' || c == u';' || c == u'?' || c == u'\\';
}

char16_t FoldCase(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
    if (c < 0x80) return c;
    // Latin-1 lower-case letters, except the division sign and y-diaeresis.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);
    if (c == 0xFF) return 0x178;
    // Greek small letters (final sigma folds like sigma).
    if (c == 0x3C2) return 0x3A3;
    if (c >= 0x3B1 && c <= 0x3C9) return static_cast<char16_t>(c - 0x20);
    // Cyrillic small letters.
    if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 0x20);
    if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 0x50);
    return c;
}

} // namespace

NameProblem CheckItemName(std::u16string_view name, bool joliet) {
    if (name.empty()) return NameProblem::Empty;
    bool outsideUcs2 = false;
    if (name == u"." || name == u"..") return NameProblem::Reserved;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t c = name[i];
        if (IsForbidden(c)) return NameProblem::ForbiddenCharacter;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= name.size() || name[i + 1] < 0xDC00 || name[i + 1] > 0xDFFF)
                return NameProblem::BrokenSurrogate;
            ++i;
            outsideUcs2 = true;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return NameProblem::BrokenSurrogate;
        }
    }
    if (!joliet) return NameProblem::None;
    if (name.size() > kJolietMaxNameLength) return NameProblem::TooLong;
    if (outsideUcs2) return NameProblem::OutsideUcs2;
    if (name.back() == u'.' || name.back() == u' ') return NameProblem::TrailingDotOrSpace;
    return NameProblem::None;
}

std::u16string NameKey(std::u16string_view name) {
    std::u16string key(name);
    for (char16_t& c : key)
        c = FoldCase(c);
    return key;
}

std::string JolietIdentifier(std::u16string_view name) {
    std::string out;
    out.reserve(name.size() * 2);
    for (char16_t c : name) {
        out += static_cast<char>(c >> 8);
        out += static_cast<char>(c & 0xFF);
    }
    return out;
}

} // namespace quillon::discimage
