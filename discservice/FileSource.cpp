#include "FileSource.h"

#include "NativeFile.h"
#include "TextConversion.h"

#include <chrono>
#include <system_error>

namespace quillon::discimage {

namespace {

class FileReader : public SourceReader {
  public:
    explicit FileReader(NativeFile file) : file_(std::move(file)) { file_.AdviseSequential(); }

    Status ReadAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t* done) override {
        int error = 0;
        return file_.ReadAt(offset, buffer, length, done, &error) ? status::Ok : status::StreamReadFailure;
    }

    Status CurrentSize(std::uint64_t* size) override {
        int error = 0;
        return file_.Size(size, &error) ? status::Ok : status::StreamReadFailure;
    }

  private:
    NativeFile file_;
};

} // namespace

Status FileSource::Size(std::uint64_t* size) const {
    const std::filesystem::path path(path_);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return status::StreamReadFailure;
    const auto n = std::filesystem::file_size(path, ec);
    if (ec) return status::StreamReadFailure;
    *size = n;
    return status::Ok;
}

Status FileSource::Open(std::unique_ptr<SourceReader>* reader) const {
    int error = 0;
    NativeFile file = NativeFile::OpenForReading(std::filesystem::path(path_), &error);
    if (!file.IsOpen()) return status::StreamReadFailure;
    *reader = std::make_unique<FileReader>(std::move(file));
    return status::Ok;
}

std::optional<Timestamp> FileSource::ModificationTime() const {
    return FileModificationTime(std::filesystem::path(path_));
}

std::string FileSource::Describe() const {
    return PathForDisplay(std::filesystem::path(path_));
}

std::optional<Timestamp> FileModificationTime(const std::filesystem::path& path) {
    std::error_code ec;
    const auto t = std::filesystem::last_write_time(path, ec);
    if (ec) return std::nullopt;
    const auto sys = std::chrono::file_clock::to_sys(t);
    return Timestamp{std::chrono::floor<std::chrono::seconds>(sys).time_since_epoch().count()};
}

std::string PathForDisplay(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::wstring& w = path.native();
    return Utf16ToUtf8Lossy(std::u16string_view(reinterpret_cast<const char16_t*>(w.data()), w.size()));
#else
    return path.native();
#endif
}

} // namespace quillon::discimage
