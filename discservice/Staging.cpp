#include "Staging.h"

#include "FileSource.h"
#include "NativeFile.h"

#include <algorithm>
#include <random>
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

} // namespace

Status StagingArea::Create(const std::filesystem::path& workingDirectory,
                           std::shared_ptr<StagingArea>* area) {
    std::error_code ec;
    if (!std::filesystem::is_directory(workingDirectory, ec)) return status::InvalidParam;
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path folder =
            workingDirectory / ("quillon-stage-" + std::to_string(random() % 100000000u));
        // Creating the folder is the atomic step that makes it ours alone.
        if (std::filesystem::create_directory(folder, ec)) {
            area->reset(new StagingArea(folder));
            return status::Ok;
        }
        if (ec) return status::InvalidParam;
    }
    return status::InternalError;
}

StagingArea::~StagingArea() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

Status StagingArea::Stage(const ByteSource& source, std::uint64_t expectedSize,
                          std::shared_ptr<ByteSource>* staged) {
    const std::filesystem::path path = folder_ / (std::to_string(next_++) + ".dat");
    std::unique_ptr<SourceReader> reader;
    if (Failed(source.Open(&reader))) return status::StreamReadFailure;

    int error = 0;
    NativeFile out = NativeFile::CreateForWriting(path, true, &error);
    if (!out.IsOpen()) return status::StreamReadFailure;
    auto removeCopy = [&] {
        out.Close(&error);
        std::error_code ec;
        std::filesystem::remove(path, ec);
    };

    std::vector<std::uint8_t> buffer(
        static_cast<std::size_t>(std::min<std::uint64_t>(kCopyChunk, expectedSize)));
    std::uint64_t copied = 0;
    while (copied < expectedSize) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), expectedSize - copied));
        std::size_t got = 0;
        if (Failed(reader->ReadAt(copied, buffer.data(), want, &got))) {
            removeCopy();
            return status::StreamReadFailure;
        }
        if (got == 0) {
            removeCopy();
            return status::StreamInconsistency;
        }
        if (!out.WriteAll(buffer.data(), got, &error)) {
            removeCopy();
            return status::StreamReadFailure;
        }
        copied += got;
    }
    std::uint64_t now = 0;
    if (Failed(reader->CurrentSize(&now)) || now != expectedSize) {
        removeCopy();
        return status::StreamInconsistency;
    }
    if (!out.Close(&error)) {
        removeCopy();
        return status::StreamReadFailure;
    }
    *staged = std::make_shared<StagedFileSource>(shared_from_this(), path, source.ModificationTime(),
                                                 source.Describe());
    return status::Ok;
}

} // namespace quillon::discimage
