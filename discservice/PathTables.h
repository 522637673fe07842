// Path tables (ECMA-119 6.9, 9.4): one record per directory in path-table order,
// written once with little-endian numbers (type L) and once big-endian (type M).
#pragma once

#include "ImagePlan.h"

#include <cstdint>
#include <span>

namespace quillon::discimage {

// 9.4: 8 fixed bytes, the identifier, and a padding byte after an odd identifier.
std::uint32_t PathTableRecordLength(std::size_t identifierLength);
std::uint32_t PathTableBytes(const PlannedTree& tree);

// Fills the path table of tree; out is its extent (whole sectors), padded with zeros.
void WritePathTable(const PlannedTree& tree, bool bigEndian, std::span<std::uint8_t> out);

} // namespace quillon::discimage
