// Writes the fields of one on-disc structure at the byte positions ECMA-119 gives,
// in the byte order each field asks for. Positions are 0-based (the standard counts
// from 1); every write is checked against the structure's planned size.
#pragma once

#include "ImageStatus.h"
#include "Timestamp.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quillon::discimage {

class FieldWriter {
  public:
    explicit FieldWriter(std::span<std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Size() const { return bytes_.size(); }

    void U8(std::size_t pos, std::uint8_t v) { At(pos, 1)[0] = v; }

    // ECMA-119 7.2.1 / 7.2.2 / 7.2.3: 16-bit little, big and both-byte orders.
    void U16Le(std::size_t pos, std::uint16_t v);
    void U16Be(std::size_t pos, std::uint16_t v);
    void U16Both(std::size_t pos, std::uint16_t v); // 4 bytes
    // ECMA-119 7.3.1 / 7.3.2 / 7.3.3: 32-bit little, big and both-byte orders.
    void U32Le(std::size_t pos, std::uint32_t v);
    void U32Be(std::size_t pos, std::uint32_t v);
    void U32Both(std::size_t pos, std::uint32_t v); // 8 bytes

    void Bytes(std::size_t pos, std::span<const std::uint8_t> data);
    void Text(std::size_t pos, std::string_view text);
    // A fixed-length character field padded with spaces (ECMA-119 7.4.3).
    void PaddedText(std::size_t pos, std::size_t length, std::string_view text);
    // The same for a Joliet field: UCS-2 big-endian, padded with U+0020; an odd
    // length leaves a last single byte of 0x00.
    void PaddedUcs2(std::size_t pos, std::size_t length, std::u16string_view text);

    // ECMA-119 9.1.5: the 7-byte recording date of a directory record.
    void RecordingDate(std::size_t pos, Timestamp t);
    // ECMA-119 8.4.26.1: the 17-byte date of a volume descriptor; none = "not specified".
    void VolumeDate(std::size_t pos, std::optional<Timestamp> t);

  private:
    std::uint8_t* At(std::size_t pos, std::size_t length) {
        DISC_CHECK(pos <= bytes_.size() && length <= bytes_.size() - pos);
        return bytes_.data() + pos;
    }

    std::span<std::uint8_t> bytes_;
};

} // namespace quillon::discimage
