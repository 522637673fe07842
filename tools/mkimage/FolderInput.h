// Adds the content of a folder on disk to an image: its files and folders become
// the image's root content, names as they are on disk.
#pragma once

#include "FileSystemImage.h"
#include "ImageWriter.h"
#include "Progress.h"

#include <filesystem>
#include <string>

namespace quillon::mkiso {

// On failure returns false with a message naming the item. A file that is the
// output is refused, so the image is never written over one of its sources.
bool AddFolder(discimage::FileSystemImage& image, const std::filesystem::path& folder,
               const OutputGuard& output, Progress& progress, std::string* error);

// The name of a path's last part as UTF-16, or false when it is not valid text.
bool NameOf(const std::filesystem::path& path, std::u16string* name);

} // namespace quillon::mkiso
