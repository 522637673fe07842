// Volume labels: at most 15 characters of A-Z a-z 0-9 _ and "."; the ISO 9660
// descriptor records the label in d-characters (upper case, "." as "_"), the
// Joliet descriptor as given. An empty label means one made from the date.
#pragma once

#include "ImageStatus.h"
#include "ImagePlan.h"
#include "Timestamp.h"

#include <string>
#include <string_view>

namespace quillon::discimage {

inline constexpr std::size_t kMaxVolumeNameLength = 15;

Status CheckVolumeName(std::u16string_view name);

// "YYYYMMDD_HHMM" (UTC) of the given time.
std::u16string GeneratedVolumeName(Timestamp when);

// The label as each descriptor records it; name must have passed CheckVolumeName.
VolumeIdentity MakeVolumeIdentity(std::u16string_view name, Timestamp created);

} // namespace quillon::discimage
