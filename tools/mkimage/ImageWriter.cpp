#include "ImageWriter.h"

#include "FileSource.h"
#include "NativeFile.h"

#include <random>
#include <system_error>
#include <vector>

namespace quillon::mkiso {

namespace di = quillon::discimage;

std::atomic<bool> g_cancelled{false};

namespace {

constexpr std::size_t kChunk = 4 << 20;

// Removes the temporary file unless the write went through.
class TemporaryFile {
  public:
    ~TemporaryFile() {
        if (!path_.empty()) {
            int error = 0;
            file_.Close(&error);
            std::error_code ec;
            std::filesystem::remove(path_, ec);
        }
    }

    bool Create(const std::filesystem::path& target, std::string* error) {
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::filesystem::path candidate = target;
            candidate += ".part" + std::to_string(random() % 1000000u);
            int err = 0;
            file_ = di::NativeFile::CreateForWriting(candidate, true, &err);
            if (file_.IsOpen()) {
                path_ = candidate;
                return true;
            }
            if (err != EEXIST) {
                *error = di::PathForDisplay(candidate) + ": cannot be created: " + di::ErrorText(err);
                return false;
            }
        }
        *error = di::PathForDisplay(target) + ": no free temporary name beside it";
        return false;
    }

    di::NativeFile& File() { return file_; }
    const std::filesystem::path& Path() const { return path_; }
    void Keep() { path_.clear(); }

  private:
    di::NativeFile file_;
    std::filesystem::path path_;
};

bool Replace(const std::filesystem::path& from, const std::filesystem::path& to, std::string* error) {
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    if (ec && std::filesystem::is_regular_file(to)) {
        // Some runtimes do not rename over an existing file.
        std::error_code removeError;
        std::filesystem::remove(to, removeError);
        ec.clear();
        std::filesystem::rename(from, to, ec);
    }
    if (ec) {
        *error = di::PathForDisplay(to) + ": cannot be written: " + ec.message();
        return false;
    }
    return true;
}

} // namespace

bool WriteImage(const di::ImageResult& result, const std::filesystem::path& target, Progress& progress,
                std::string* error) {
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) {
        *error = di::PathForDisplay(target) + ": is a folder";
        return false;
    }
    TemporaryFile out;
    if (!out.Create(target, error)) return false;

    auto reader = result.OpenReader();
    std::vector<std::uint8_t> buffer(kChunk);
    const std::uint64_t total = reader->Size();
    std::uint64_t offset = 0;
    while (offset < total) {
        if (g_cancelled) {
            *error = "interrupted";
            return false;
        }
        std::size_t got = 0;
        const di::Status s = reader->Read(offset, buffer.data(), buffer.size(), &got);
        if (di::Failed(s)) {
            *error = reader->LastError() + " (" + di::DescribeStatus(s) + ")";
            return false;
        }
        if (got == 0) {
            *error = "the image ended before its planned size";
            return false;
        }
        int err = 0;
        if (!out.File().WriteAll(buffer.data(), got, &err)) {
            *error = di::PathForDisplay(out.Path()) + ": write failed: " + di::ErrorText(err);
            return false;
        }
        offset += got;
        progress.Bytes(offset, total);
    }
    int err = 0;
    if (!out.File().Close(&err)) {
        *error = di::PathForDisplay(out.Path()) + ": write failed: " + di::ErrorText(err);
        return false;
    }
    if (!Replace(out.Path(), target, error)) return false;
    out.Keep();
    return true;
}

} // namespace quillon::mkiso
