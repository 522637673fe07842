// The volume descriptor set (ECMA-119 8): the primary volume descriptor, the
// Joliet supplementary volume descriptor and the set terminator, one sector each.
#pragma once

#include "ImagePlan.h"

#include <span>

namespace quillon::discimage {

void WritePrimaryDescriptor(const ImagePlan& plan, std::span<std::uint8_t> sector);
void WriteJolietDescriptor(const ImagePlan& plan, std::span<std::uint8_t> sector);
void WriteDescriptorSetTerminator(std::span<std::uint8_t> sector);

} // namespace quillon::discimage
