// Messages for calls of the image that failed.
#pragma once

#include "FileSystemImage.h"

#include <string>

namespace quillon::mkiso {

// The service's code and meaning, and what the image could tell beyond it (the
// folder it could not use, the text of an exception).
inline std::string DescribeFailure(const discimage::FileSystemImage& image, discimage::Status s) {
    std::string text = discimage::DescribeStatus(s);
    if (!image.LastError().empty()) text += " [" + image.LastError() + "]";
    return text;
}

} // namespace quillon::mkiso
