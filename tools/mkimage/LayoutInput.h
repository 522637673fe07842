// Adds a layout file to an image: a UTF-8 XML document whose root element holds
// "i" elements, t="1" for a folder (its children are its content) and t="0" for a
// file, n the name on the disc and a the source file's path.
#pragma once

#include "FileSystemImage.h"
#include "Progress.h"

#include <filesystem>
#include <string>

namespace quillon::mkiso {

// On failure returns false with a message naming the element or item.
bool AddLayoutFile(discimage::FileSystemImage& image, const std::filesystem::path& file, Progress& progress,
                   std::string* error);

} // namespace quillon::mkiso
