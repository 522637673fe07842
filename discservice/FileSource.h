// A byte source over a file on disk, opened only while its data is being read.
#pragma once

#include "ByteSource.h"

#include <filesystem>

namespace quillon::discimage {

class FileSource : public ByteSource {
  public:
    // Keeps the path as plain text: a path object also keeps its parsed parts, which
    // costs several times the text in an image of many files.
    explicit FileSource(const std::filesystem::path& path) : path_(path.native()) {}

    Status Size(std::uint64_t* size) const override;
    Status Open(std::unique_ptr<SourceReader>* reader) const override;
    std::optional<Timestamp> ModificationTime() const override;
    std::string Describe() const override;

    std::filesystem::path Path() const { return std::filesystem::path(path_); }

  private:
    std::filesystem::path::string_type path_;
};

// The modification time of a file or folder on disk, if it can be read.
std::optional<Timestamp> FileModificationTime(const std::filesystem::path& path);

// A path as UTF-8 text for messages, whatever the platform's path encoding.
std::string PathForDisplay(const std::filesystem::path& path);

} // namespace quillon::discimage
