// Writes a finished image to a file: into a temporary file beside the target,
// moved over the target only when every byte is written, so a failure or an
// interruption never leaves a partial image behind and never loses an old one.
#pragma once

#include "ImageReader.h"
#include "Progress.h"

#include <atomic>
#include <filesystem>
#include <string>

namespace quillon::mkiso {

// Set from a signal handler to stop the write; the temporary file is removed.
extern std::atomic<bool> g_cancelled;

// Tells whether a path is the output file, so that an image is never written over
// one of its own inputs. Only an output that exists can be one of them.
class OutputGuard {
  public:
    explicit OutputGuard(std::filesystem::path output);
    // True when path and the output are the same file, whatever the names or links.
    bool IsOutput(const std::filesystem::path& path) const;
    const std::filesystem::path& Output() const { return output_; }

  private:
    std::filesystem::path output_;
    bool exists_ = false;
};

// The message for an input that is the output file.
std::string InputIsOutput(const std::filesystem::path& input);

bool WriteImage(const discimage::ImageResult& result, const std::filesystem::path& target, Progress& progress,
                std::string* error);

} // namespace quillon::mkiso
