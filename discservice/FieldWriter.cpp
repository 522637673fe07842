#include "FieldWriter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace quillon::discimage {

void FieldWriter::U16Le(std::size_t pos, std::uint16_t v) {
    std::uint8_t* p = At(pos, 2);
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void FieldWriter::U16Be(std::size_t pos, std::uint16_t v) {
    std::uint8_t* p = At(pos, 2);
    p[0] = static_cast<std::uint8_t>(v >> 8);
    p[1] = static_cast<std::uint8_t>(v);
}

void FieldWriter::U16Both(std::size_t pos, std::uint16_t v) {
    U16Le(pos, v);
    U16Be(pos + 2, v);
}

void FieldWriter::U32Le(std::size_t pos, std::uint32_t v) {
    std::uint8_t* p = At(pos, 4);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void FieldWriter::U32Be(std::size_t pos, std::uint32_t v) {
    std::uint8_t* p = At(pos, 4);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * (3 - i)));
}

void FieldWriter::U32Both(std::size_t pos, std::uint32_t v) {
    U32Le(pos, v);
    U32Be(pos + 4, v);
}

void FieldWriter::Bytes(std::size_t pos, std::span<const std::uint8_t> data) {
    if (data.empty()) return;
    std::memcpy(At(pos, data.size()), data.data(), data.size());
}

void FieldWriter::Text(std::size_t pos, std::string_view text) {
    if (text.empty()) return;
    std::memcpy(At(pos, text.size()), text.data(), text.size());
}

void FieldWriter::PaddedText(std::size_t pos, std::size_t length, std::string_view text) {
    DISC_CHECK(text.size() <= length);
    std::uint8_t* p = At(pos, length);
    std::memset(p, ' ', length);
    std::memcpy(p, text.data(), text.size());
}

void FieldWriter::PaddedUcs2(std::size_t pos, std::size_t length, std::u16string_view text) {
    DISC_CHECK(text.size() * 2 <= length);
    std::uint8_t* p = At(pos, length);
    std::memset(p, 0, length);
    for (std::size_t i = 0; i + 1 < length; i += 2) {
        const char16_t c = i / 2 < text.size() ? text[i / 2] : u' ';
        p[i] = static_cast<std::uint8_t>(c >> 8);
        p[i + 1] = static_cast<std::uint8_t>(c);
    }
}

void FieldWriter::RecordingDate(std::size_t pos, Timestamp t) {
    CivilTime c = ToCivil(t);
    // The year is an offset from 1900 in one byte; clamp what it cannot hold.
    if (c.year < 1900) c = CivilTime{1900, 1, 1, 0, 0, 0};
    if (c.year > 2155) c = CivilTime{2155, 12, 31, 23, 59, 59};
    std::uint8_t* p = At(pos, 7);
    p[0] = static_cast<std::uint8_t>(c.year - 1900);
    p[1] = static_cast<std::uint8_t>(c.month);
    p[2] = static_cast<std::uint8_t>(c.day);
    p[3] = static_cast<std::uint8_t>(c.hour);
    p[4] = static_cast<std::uint8_t>(c.minute);
    p[5] = static_cast<std::uint8_t>(c.second);
    p[6] = 0; // offset from Greenwich in 15-minute units: the times are UTC
}

void FieldWriter::VolumeDate(std::size_t pos, std::optional<Timestamp> t) {
    std::uint8_t* p = At(pos, 17);
    if (!t) {
        std::memset(p, '0', 16);
        p[16] = 0;
        return;
    }
    CivilTime c = ToCivil(*t);
    if (c.year < 1) c = CivilTime{1, 1, 1, 0, 0, 0};
    if (c.year > 9999) c = CivilTime{9999, 12, 31, 23, 59, 59};
    char digits[17];
    std::snprintf(digits, sizeof digits, "%04d%02d%02d%02d%02d%02d00", c.year, c.month, c.day, c.hour,
                  c.minute, c.second);
    std::memcpy(p, digits, 16);
    p[16] = 0; // UTC
}

} // namespace quillon::discimage
