#include "ImageWriter.h"

#include "FileSource.h"
#include "MoveOver.h"
#include "NativeFile.h"

#include <cerrno>
#include <system_error>
#include <vector>

namespace quillon::mkiso {

namespace di = quillon::discimage;

std::atomic<bool> g_cancelled{false};

OutputGuard::OutputGuard(std::filesystem::path output) : output_(std::move(output)) {
    std::error_code ec;
    exists_ = std::filesystem::exists(output_, ec);
}

bool OutputGuard::IsOutput(const std::filesystem::path& path) const {
    if (!exists_) return false;
    std::error_code ec;
    return std::filesystem::equivalent(path, output_, ec) && !ec;
}

std::string InputIsOutput(const std::filesystem::path& input) {
    return di::PathForDisplay(input) + ": is also the output file; the image would be written over it";
}

namespace {

constexpr std::size_t kChunk = 4 << 20;

// Removes the temporary file unless the write went through. Messages name the
// target: the temporary name means nothing to the user.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::filesystem::path target) : target_(std::move(target)) {}
    ~TemporaryFile() {
        if (!path_.empty()) {
            int error = 0;
            (void)file_.Close(&error); // the file is removed; a late write error does not matter
            std::error_code ec;
            std::filesystem::remove(path_, ec);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool Create(std::string* error) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::filesystem::path candidate = target_;
            candidate += ".part" + std::to_string(di::UniqueNameNumber() % 1000000u);
            int err = 0;
            file_ = di::NativeFile::CreateForWriting(candidate, true, &err);
            if (file_.IsOpen()) {
                path_ = candidate;
                return true;
            }
            if (err != EEXIST) {
                *error = di::PathForDisplay(target_) + ": cannot be created: " + di::ErrorText(err);
                return false;
            }
        }
        *error = di::PathForDisplay(target_) + ": no free temporary name beside it";
        return false;
    }

    bool Write(const void* data, std::size_t size, std::string* error) {
        int err = 0;
        if (file_.WriteAll(data, size, &err)) return true;
        *error = di::PathForDisplay(target_) + ": write failed: " + di::ErrorText(err);
        return false;
    }

    // Closes the complete file and moves it over the target.
    bool Commit(std::string* error) {
        int err = 0;
        if (!file_.Close(&err)) {
            *error = di::PathForDisplay(target_) + ": write failed: " + di::ErrorText(err);
            return false;
        }
        std::error_code ec;
        const bool existed = std::filesystem::exists(target_, ec);
        std::string reason;
        if (!MoveOver(path_, target_, &reason)) {
            *error = di::PathForDisplay(target_) + ": cannot be " + (existed ? "replaced" : "written") +
                     ": " + reason + (existed ? "; the old file is left as it was" : "");
            return false;
        }
        path_.clear();
        return true;
    }

  private:
    std::filesystem::path target_;
    std::filesystem::path path_;
    di::NativeFile file_;
};

} // namespace

bool WriteImage(const di::ImageResult& result, const std::filesystem::path& target, Progress& progress,
                std::string* error) {
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) {
        *error = di::PathForDisplay(target) + ": is a folder";
        return false;
    }
    TemporaryFile out(target);
    if (!out.Create(error)) return false;

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
        if (!out.Write(buffer.data(), got, error)) return false;
        offset += got;
        progress.Bytes(offset, total);
    }
    return out.Commit(error);
}

} // namespace quillon::mkiso
