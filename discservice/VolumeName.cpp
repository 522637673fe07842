#include "VolumeName.h"

#include <cstdio>

namespace quillon::discimage {

namespace {

bool IsLabelCharacter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_' ||
           c == u'.';
}

} // namespace

Status CheckVolumeName(std::u16string_view name) {
    if (name.size() > kMaxVolumeNameLength) return status::InvalidVolumeName;
    for (char16_t c : name)
        if (!IsLabelCharacter(c)) return status::InvalidVolumeName;
    return status::Ok;
}

std::u16string GeneratedVolumeName(Timestamp when) {
    const CivilTime c = ToCivil(when);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d_%02d%02d", c.year % 10000, c.month, c.day, c.hour,
                  c.minute);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

VolumeIdentity MakeVolumeIdentity(std::u16string_view name, Timestamp created) {
    VolumeIdentity v;
    v.created = created;
    v.joliet = std::u16string(name);
    for (char16_t c : name) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 0x20);
        if (c == u'.') c = u'_';
        DISC_CHECK(c < 0x80);
        v.iso9660 += static_cast<char>(c);
    }
    return v;
}

} // namespace quillon::discimage
