#include "Staging.h"

#include "FileSource.h"
#include "NativeFile.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

namespace quillon::discimage {

namespace {

// A staged copy: reads like its file and deletes the file when dropped.
class StagedFileSource : public ByteSource {
  public:
    StagedFileSource(std::shared_ptr<StagingArea> area, std::filesystem::path path,
                     std::optional<Timestamp> modified, std::string original)
        : area_(std::move(area)), file_(std::move(path)), modified_(modified),
          original_(std::move(original)) {}

    ~StagedFileSource() override {
        std::error_code ec;
        std::filesystem::remove(file_.Path(), ec);
    }

    Status Size(std::uint64_t* size) const override { return file_.Size(size); }
    Status Open(std::unique_ptr<SourceReader>* reader) const override { return file_.Open(reader); }
    std::optional<Timestamp> ModificationTime() const override { return modified_; }
    std::string Describe() const override { return original_ + " (staged copy " + file_.Describe() + ")"; }

  private:
    std::shared_ptr<StagingArea> area_; // keeps the folder while the copy exists
    FileSource file_;
    std::optional<Timestamp> modified_;
    std::string original_;
};

constexpr std::size_t kCopyChunk = 1 << 20;

// Removes a copy that was not handed out, on every way out of Stage.
class PartialCopy {
  public:
    explicit PartialCopy(std::filesystem::path path) : path_(std::move(path)) {}
    ~PartialCopy() {
        if (kept_) return;
        int error = 0;
        (void)file_.Close(&error); // the copy is going away; its late errors do not matter
        std::error_code ec;
        std::filesystem::remove(path_, ec);
    }
    PartialCopy(const PartialCopy&) = delete;
    PartialCopy& operator=(const PartialCopy&) = delete;

    NativeFile& File() { return file_; }
    void Keep() { kept_ = true; }

  private:
    std::filesystem::path path_;
    NativeFile file_;
    bool kept_ = false;
};

} // namespace

Status StagingArea::Create(const std::filesystem::path& workingDirectory, std::shared_ptr<StagingArea>* area,
                           std::string* detail) {
    std::error_code ec;
    if (!std::filesystem::is_directory(workingDirectory, ec)) {
        *detail = PathForDisplay(workingDirectory) + ": the working folder cannot be found";
        if (ec) *detail += ": " + ec.message();
        return status::InvalidWorkingDirectory;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path folder =
            workingDirectory / ("quillon-stage-" + std::to_string(UniqueNameNumber() % 100000000u));
        // Creating the folder is the atomic step that makes it ours alone.
        if (std::filesystem::create_directory(folder, ec)) {
            area->reset(new StagingArea(folder));
            return status::Ok;
        }
        if (ec) {
            *detail = PathForDisplay(folder) + ": cannot be created: " + ec.message();
            return status::InvalidWorkingDirectory;
        }
    }
    *detail = PathForDisplay(workingDirectory) + ": no free name for a staging folder";
    return status::InvalidWorkingDirectory;
}

StagingArea::~StagingArea() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

Status StagingArea::Stage(const ByteSource& source, std::uint64_t expectedSize,
                          std::shared_ptr<ByteSource>* staged, std::string* detail) {
    const std::filesystem::path path = folder_ / (std::to_string(next_++) + ".dat");
    std::unique_ptr<SourceReader> reader;
    if (Failed(source.Open(&reader)) || !reader) {
        *detail = source.Describe() + ": cannot be opened";
        return status::StreamReadFailure;
    }

    int error = 0;
    PartialCopy copy(path);
    copy.File() = NativeFile::CreateForWriting(path, true, &error);
    if (!copy.File().IsOpen()) {
        *detail = PathForDisplay(path) + ": the staged copy cannot be created: " + ErrorText(error);
        return status::InvalidWorkingDirectory;
    }

    std::vector<std::uint8_t> buffer(
        static_cast<std::size_t>(std::min<std::uint64_t>(kCopyChunk, expectedSize)));
    std::uint64_t copied = 0;
    while (copied < expectedSize) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), expectedSize - copied));
        std::size_t got = 0;
        if (Failed(reader->ReadAt(copied, buffer.data(), want, &got))) {
            *detail = source.Describe() + ": read failed";
            return status::StreamReadFailure;
        }
        // The count is the source's word; more than the buffer holds would copy past it.
        if (got > want) {
            *detail = source.Describe() + ": read " + std::to_string(got) + " bytes where " +
                      std::to_string(want) + " were asked for";
            return status::StreamReadFailure;
        }
        if (got == 0) {
            *detail = source.Describe() + ": ended after " + std::to_string(copied) + " of " +
                      std::to_string(expectedSize) + " bytes";
            return status::StreamInconsistency;
        }
        if (!copy.File().WriteAll(buffer.data(), got, &error)) {
            *detail = PathForDisplay(path) + ": the staged copy cannot be written: " + ErrorText(error);
            return status::InvalidWorkingDirectory;
        }
        copied += got;
    }
    std::uint64_t now = 0;
    if (Failed(reader->CurrentSize(&now)) || now != expectedSize) {
        *detail = source.Describe() + ": its size changed while it was copied";
        return status::StreamInconsistency;
    }
    if (!copy.File().Close(&error)) {
        *detail = PathForDisplay(path) + ": the staged copy cannot be written: " + ErrorText(error);
        return status::InvalidWorkingDirectory;
    }
    *staged = std::make_shared<StagedFileSource>(shared_from_this(), path, source.ModificationTime(),
                                                 source.Describe());
    copy.Keep();
    return status::Ok;
}

} // namespace quillon::discimage
