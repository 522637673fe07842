// The finished image as a byte stream that is never held whole: any range is
// produced on demand from the plan, structures rendered when reached and file data
// pulled from the sources. Memory is the plan plus one rendered structure and one
// open source, whatever the size of the files.
#pragma once

#include "ImagePlan.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quillon::discimage {

class ImageReader {
  public:
    explicit ImageReader(std::shared_ptr<const ImagePlan> plan);

    std::uint64_t Size() const { return plan_->SizeInBytes(); }

    // Reads up to length bytes at offset; *done is below length only where the image
    // ends. A file that cannot be opened or read fails with StreamReadFailure, as does
    // one that claims more bytes than it was asked for; one whose size differs from
    // when it was added fails with StreamInconsistency. The bytes before the failure
    // are in buffer and counted in *done. Nothing is thrown, whatever the sources throw.
    Status Read(std::uint64_t offset, void* buffer, std::size_t length, std::size_t* done);

    // After a failed Read: the source and what went wrong, for messages.
    const std::string& LastError() const { return lastError_; }

  private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    Status ReadMetadata(std::size_t extent, std::uint64_t offset, std::uint8_t* out, std::size_t length);
    Status ReadFileData(const Extent& extent, std::uint64_t offset, std::uint8_t* out, std::size_t length);
    Status Fail(Status s, const PlannedFile& file, const std::string& what);
    void Render(std::size_t extent);

    std::shared_ptr<const ImagePlan> plan_;
    std::size_t renderedExtent_ = kNone;
    std::vector<std::uint8_t> rendered_;
    std::size_t openFile_ = kNone;
    std::unique_ptr<SourceReader> source_;
    std::string lastError_;
};

// What CreateResultImage hands out: the plan of the finished image, from which
// any number of independent readers can be opened.
class ImageResult {
  public:
    explicit ImageResult(std::shared_ptr<const ImagePlan> plan) : plan_(std::move(plan)) {}

    std::uint32_t TotalBlocks() const { return plan_->totalBlocks; }
    static constexpr std::uint32_t BlockSize() { return kBlockSize; }
    std::uint64_t SizeInBytes() const { return plan_->SizeInBytes(); }
    std::size_t FileCount() const { return plan_->files.size(); }
    const ImagePlan& Plan() const { return *plan_; }

    std::unique_ptr<ImageReader> OpenReader() const { return std::make_unique<ImageReader>(plan_); }

  private:
    std::shared_ptr<const ImagePlan> plan_;
};

} // namespace quillon::discimage
