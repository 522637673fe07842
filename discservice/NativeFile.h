// A file opened by path, closed by its destructor. The only place that knows how
// paths reach the operating system: POSIX descriptors natively, the runtime's wide
// (UTF-16) calls in the Windows build, so names outside the ANSI code page work.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace quillon::discimage {

class NativeFile {
  public:
    NativeFile() = default;
    ~NativeFile();
    NativeFile(NativeFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    NativeFile& operator=(NativeFile&& other) noexcept;
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    // On failure the returned file is closed and *error holds the errno value.
    static NativeFile OpenForReading(const std::filesystem::path& path, int* error);
    // Creates or truncates; with exclusive, an existing file is an error.
    static NativeFile CreateForWriting(const std::filesystem::path& path, bool exclusive, int* error);

    bool IsOpen() const { return fd_ >= 0; }

    // Each returns false with errno-style *error on failure.
    bool ReadAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t* done, int* error);
    bool WriteAll(const void* buffer, std::size_t length, int* error);
    bool Size(std::uint64_t* size, int* error) const;
    // Closing a written file can report a late write error, so it is checked.
    bool Close(int* error);

    // Tells the system that the file is read front to back (a hint; failures do not matter).
    void AdviseSequential();

  private:
    explicit NativeFile(int fd) : fd_(fd) {}
    int fd_ = -1;
};

std::string ErrorText(int error);

// A number for the name of a new file or folder that is then created exclusively.
// It differs on every call and, all but surely, between processes that start
// together; a clash only costs another try. Unlike std::random_device it cannot fail.
std::uint64_t UniqueNameNumber() noexcept;

} // namespace quillon::discimage
