// Where a file's content comes from: a file on disk, a stream of the COM layer, a
// staged copy, or memory in tests. The image only asks for the size when the file
// is added and opens a reader when its data is reached, so an image of many files
// keeps at most one of them open at a time.
#pragma once

#include "ImageStatus.h"
#include "Timestamp.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillon::discimage {

class SourceReader {
  public:
    virtual ~SourceReader() = default;
    // Reads up to length bytes at offset into buffer. *done below length means the
    // data ended there. A failure returns a failing status.
    virtual Status ReadAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t* done) = 0;
    // The size now, so that a source that changed since it was added is noticed.
    virtual Status CurrentSize(std::uint64_t* size) = 0;
};

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual Status Size(std::uint64_t* size) const = 0;
    virtual Status Open(std::unique_ptr<SourceReader>* reader) const = 0;
    virtual std::optional<Timestamp> ModificationTime() const { return std::nullopt; }
    // For messages: the path or another short description of the source.
    virtual std::string Describe() const = 0;
};

// Bytes held in memory; shares them with its readers.
class MemorySource : public ByteSource {
  public:
    explicit MemorySource(std::vector<std::uint8_t> bytes, std::string description = "memory");
    Status Size(std::uint64_t* size) const override;
    Status Open(std::unique_ptr<SourceReader>* reader) const override;
    std::string Describe() const override { return description_; }

  private:
    std::shared_ptr<const std::vector<std::uint8_t>> bytes_;
    std::string description_;
};

} // namespace quillon::discimage
