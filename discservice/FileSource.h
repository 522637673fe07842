// A byte source over a file on disk, opened only while its data is being read.
#pragma once

#include "ByteSource.h"

#include <filesystem>

namespace quillon::discimage {

class FileSource : public ByteSource {
  public:
    explicit FileSource(std::filesystem::path path) : path_(std::move(path)) {}

    Status Size(std::uint64_t* size) const override;
    Status Open(std::unique_ptr<SourceReader>* reader) const override;
    std::optional<Timestamp> ModificationTime() const override;
    std::string Describe() const override;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The modification time of a file or folder on disk, if it can be read.
std::optional<Timestamp> FileModificationTime(const std::filesystem::path& path);

// A path as UTF-8 text for messages, whatever the platform's path encoding.
std::string PathForDisplay(const std::filesystem::path& path);

} // namespace quillon::discimage
