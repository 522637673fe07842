// Staged copies of file contents. With staging on, a file's bytes are copied aside
// when it is added, so its source may change or vanish before the image is read.
// The copies live in a private folder below the working directory; each copy is
// deleted when the last image or result holding it lets go, and the folder with it.
#pragma once

#include "ByteSource.h"

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>

namespace quillon::discimage {

class StagingArea : public std::enable_shared_from_this<StagingArea> {
  public:
    // Makes a new, uniquely named folder below workingDirectory. A folder that is
    // missing or refuses the new one gives InvalidWorkingDirectory, with *detail
    // naming it and the reason.
    static Status Create(const std::filesystem::path& workingDirectory, std::shared_ptr<StagingArea>* area,
                         std::string* detail);
    ~StagingArea();
    StagingArea(const StagingArea&) = delete;
    StagingArea& operator=(const StagingArea&) = delete;

    // Copies exactly expectedSize bytes of source into a new file of the area and
    // returns a source over the copy. A source that fails (or claims more bytes than
    // it was asked for) gives StreamReadFailure, one whose size differs gives
    // StreamInconsistency, a copy that cannot be written InvalidWorkingDirectory;
    // *detail says which. Whatever happens, even an exception, no copy is left behind.
    Status Stage(const ByteSource& source, std::uint64_t expectedSize, std::shared_ptr<ByteSource>* staged,
                 std::string* detail);

    const std::filesystem::path& Folder() const { return folder_; }

  private:
    explicit StagingArea(std::filesystem::path folder) : folder_(std::move(folder)) {}

    std::filesystem::path folder_;
    std::atomic<std::uint64_t> next_{0};
};

} // namespace quillon::discimage
