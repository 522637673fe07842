// Plans an image from the image tree: names and order of both directory trees,
// sizes of every structure, then the block of each, in image order:
//   0-15 system area, 16 primary descriptor, [17 Joliet descriptor], terminator,
//   path tables (ISO L, ISO M, [Joliet L, Joliet M]), ISO directories,
//   [Joliet directories], file data (shared by both trees).
// Nothing is read from the file sources here.
#pragma once

#include "ImagePlan.h"
#include "ImageTree.h"

#include <memory>
#include <string>

namespace quillon::discimage {

// ECMA-119 6.8.2.1: at most eight levels of directories (the root is level 1)
// and paths of at most 255 characters.
inline constexpr unsigned kIsoMaxLevels = 8;
inline constexpr std::size_t kIsoMaxPathLength = 255;
// Path-table records name their parent by a 16-bit directory number.
inline constexpr std::size_t kMaxDirectories = 65535;

struct PlanOptions {
    bool joliet = true;
    VolumeIdentity volume;
    std::uint32_t sessionStartBlock = 0;
};

// With a Joliet tree, directories deeper than eight levels and items whose ISO 9660
// path would pass 255 characters are left out of the ISO 9660 tree only (the
// Joliet tree holds everything; readers of the primary tree alone see the top of
// the hierarchy). Without Joliet they make the plan fail with Iso9660Levels.
// A Joliet name over 64 characters gives InvalidPath, more than 65535 directories
// TooManyDirs, an image past 2^31 - 1 blocks ImageSizeLimit. Nothing is thrown: an
// exception becomes OutOfMemory or InternalError, its text in *cause when given.
Status PlanImage(const ImageNode& root, const PlanOptions& options, std::shared_ptr<const ImagePlan>* plan,
                 std::string* cause = nullptr);

} // namespace quillon::discimage
