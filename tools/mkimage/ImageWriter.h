// Writes a finished image to a file: into a temporary file beside the target,
// renamed over the target only when every byte is written, so a failure or an
// interruption never leaves a partial image behind.
#pragma once

#include "ImageReader.h"
#include "Progress.h"

#include <atomic>
#include <filesystem>
#include <string>

namespace quillon::mkiso {

// Set from a signal handler to stop the write; the temporary file is removed.
extern std::atomic<bool> g_cancelled;

bool WriteImage(const discimage::ImageResult& result, const std::filesystem::path& target, Progress& progress,
                std::string* error);

} // namespace quillon::mkiso
