// Directory records and directory extents (ECMA-119 9.1, 6.8.1). The same
// placement rule sizes an extent in the plan and fills it when it is read.
#pragma once

#include "FieldWriter.h"
#include "ImagePlan.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace quillon::discimage {

// ECMA-119 9.1: 33 fixed bytes, the identifier, and a padding byte after an
// identifier of even length, so that every record has an even length.
std::uint32_t DirectoryRecordLength(std::size_t identifierLength);

// Bytes of a directory extent: "." and ".." first, then the records; no record
// crosses a sector boundary (6.8.1.1). Always whole sectors.
std::uint32_t DirectoryExtentBytes(const PlannedDirectory& directory);

struct RecordFields {
    std::string_view identifier;
    std::uint32_t lba = 0;
    std::uint32_t dataLength = 0;
    Timestamp recorded;
    std::uint8_t flags = 0;
};

// Writes one record at pos; returns its length.
std::uint32_t WriteDirectoryRecord(FieldWriter& out, std::size_t pos, const RecordFields& fields);

// Fills the extent of tree.directories[index]; out is exactly its planned size.
void WriteDirectoryExtent(const ImagePlan& plan, const PlannedTree& tree, std::uint32_t index,
                          std::span<std::uint8_t> out);

// The record of a directory in its parent, "." or ".." (also the root record of
// a volume descriptor).
RecordFields DirectoryFields(const PlannedDirectory& directory, std::string_view identifier);

} // namespace quillon::discimage
