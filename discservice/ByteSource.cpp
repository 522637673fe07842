#include "ByteSource.h"

#include <algorithm>
#include <cstring>

namespace quillon::discimage {

namespace {

class MemoryReader : public SourceReader {
  public:
    explicit MemoryReader(std::shared_ptr<const std::vector<std::uint8_t>> bytes)
        : bytes_(std::move(bytes)) {}

    Status ReadAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t* done) override {
        *done = 0;
        if (offset >= bytes_->size()) return status::Ok;
        const std::size_t n = std::min<std::uint64_t>(length, bytes_->size() - offset);
        std::memcpy(buffer, bytes_->data() + offset, n);
        *done = n;
        return status::Ok;
    }

    Status CurrentSize(std::uint64_t* size) override {
        *size = bytes_->size();
        return status::Ok;
    }

  private:
    std::shared_ptr<const std::vector<std::uint8_t>> bytes_;
};

} // namespace

MemorySource::MemorySource(std::vector<std::uint8_t> bytes, std::string description)
    : bytes_(std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes))),
      description_(std::move(description)) {}

Status MemorySource::Size(std::uint64_t* size) const {
    *size = bytes_->size();
    return status::Ok;
}

Status MemorySource::Open(std::unique_ptr<SourceReader>* reader) const {
    *reader = std::make_unique<MemoryReader>(bytes_);
    return status::Ok;
}

} // namespace quillon::discimage
