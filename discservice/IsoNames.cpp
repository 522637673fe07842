#include "IsoNames.h"

#include <unordered_map>
#include <unordered_set>

namespace quillon::discimage {

namespace {

// Base letters of U+00C0..U+00FF; "_" where there is none.
constexpr const char* kLatin1[64] = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  "_", "O", "U", "U", "U", "U", "Y", "TH", "SS",
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  "_", "O", "U", "U", "U", "U", "Y", "TH", "Y",
};

std::string MapCharacters(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= u'a' && c <= u'z') {
            out += static_cast<char>(c - 0x20);
        } else if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_') {
            out += static_cast<char>(c);
        } else if (c >= 0xC0 && c <= 0xFF) {
            out += kLatin1[c - 0xC0];
        } else {
            // A surrogate pair is one character and becomes one "_".
            if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                text[i + 1] <= 0xDFFF)
                ++i;
            out += '_';
        }
    }
    return out;
}

std::string Key(const IsoName& n) {
    if (n.directory || n.extension.empty()) return n.name;
    return n.name + "." + n.extension;
}

std::size_t MaxNameLength(const IsoName& n) {
    return n.directory ? kIsoMaxDirectoryIdentifier : kIsoMaxFileNameAndExtension - n.extension.size();
}

} // namespace

std::string IsoName::Identifier() const {
    if (directory) return name;
    return name + "." + extension + ";1";
}

IsoName MapIsoName(std::u16string_view name, bool directory) {
    IsoName out;
    out.directory = directory;
    std::u16string_view base = name;
    std::u16string_view extension;
    if (!directory) {
        const std::size_t dot = name.rfind(u'.');
        // A leading dot (".profile") starts a name, not an extension.
        if (dot != std::u16string_view::npos && dot > 0) {
            base = name.substr(0, dot);
            extension = name.substr(dot + 1);
        }
    }
    out.extension = MapCharacters(extension);
    if (out.extension.size() > kIsoMaxExtension) out.extension.resize(kIsoMaxExtension);
    out.name = MapCharacters(base);
    if (out.name.empty() && out.extension.empty()) out.name.push_back('_');
    if (out.name.size() > MaxNameLength(out)) out.name.resize(MaxNameLength(out));
    return out;
}

Status MakeUniqueIsoNames(std::vector<IsoName>& names) {
    std::unordered_map<std::string, std::size_t> count;
    for (const IsoName& n : names)
        ++count[Key(n)];
    std::unordered_set<std::string> used;
    for (const IsoName& n : names)
        if (count[Key(n)] == 1) used.insert(Key(n));

    std::unordered_map<std::string, unsigned> nextNumber;
    for (IsoName& n : names) {
        const std::string original = Key(n);
        if (count[original] == 1) continue;
        if (used.insert(original).second) continue; // the first of equal names keeps it
        unsigned& number = nextNumber[original];
        const std::string base = n.name;
        const std::size_t maxLength = MaxNameLength(n);
        for (;;) {
            if (++number > 9999999) return status::NoUniqueName;
            const std::string digits = std::to_string(number);
            if (digits.size() >= maxLength) return status::NoUniqueName;
            n.name = base.substr(0, std::min(base.size(), maxLength - digits.size())) + digits;
            if (used.insert(Key(n)).second) break;
        }
    }
    return status::Ok;
}

bool IsoNameLess(const IsoName& a, const IsoName& b) {
    // d-characters all sort above the padding space, so a plain comparison
    // matches the padded one of 9.3.
    if (a.name != b.name) return a.name < b.name;
    return a.extension < b.extension;
}

} // namespace quillon::discimage
