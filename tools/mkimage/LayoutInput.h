// Adds a layout file to an image: a UTF-8 XML document whose root element holds
// "i" elements, t="1" for a folder (its children are its content) and t="0" for a
// file, n the name on the disc and a the source file's path.
#pragma once

#include "FileSystemImage.h"
#include "ImageWriter.h"
#include "Progress.h"

#include <filesystem>
#include <string>

namespace quillon::mkiso {

// Reads the whole of a layout file and checks that it can be one: UTF-8 text
// without NUL bytes whose first character after blanks (and a byte-order mark)
// opens a tag. On failure returns false with a message naming the file.
bool ReadLayoutText(const std::filesystem::path& file, std::string* text, std::string* error);

// On failure returns false with a message naming the file, element or item. Each
// name must be one the image can hold on its own (no separators); a source that is
// the output is refused.
bool AddLayoutFile(discimage::FileSystemImage& image, const std::filesystem::path& file,
                   const OutputGuard& output, Progress& progress, std::string* error);

} // namespace quillon::mkiso
