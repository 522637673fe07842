#include "NativeFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <system_error>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quillon::discimage {

namespace {

#ifdef _WIN32
int OpenPath(const std::filesystem::path& path, int flags, int mode) {
    return _wopen(path.c_str(), flags | _O_BINARY | _O_NOINHERIT, mode);
}
#else
int OpenPath(const std::filesystem::path& path, int flags, int mode) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}
#endif

} // namespace

NativeFile::~NativeFile() {
    if (fd_ >= 0) {
#ifdef _WIN32
        (void)_close(fd_);
#else
        (void)::close(fd_);
#endif
    }
}

NativeFile& NativeFile::operator=(NativeFile&& other) noexcept {
    if (this != &other) {
        NativeFile old(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

NativeFile NativeFile::OpenForReading(const std::filesystem::path& path, int* error) {
    const int fd = OpenPath(path, O_RDONLY, 0);
    *error = fd < 0 ? errno : 0;
    return NativeFile(fd);
}

NativeFile NativeFile::CreateForWriting(const std::filesystem::path& path, bool exclusive, int* error) {
    const int flags = O_WRONLY | O_CREAT | O_TRUNC | (exclusive ? O_EXCL : 0);
#ifdef _WIN32
    const int fd = OpenPath(path, flags, _S_IREAD | _S_IWRITE);
#else
    const int fd = OpenPath(path, flags, 0666);
#endif
    *error = fd < 0 ? errno : 0;
    return NativeFile(fd);
}

bool NativeFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t* done,
                        int* error) {
    *done = 0;
    *error = 0;
    auto* out = static_cast<unsigned char*>(buffer);
#ifdef _WIN32
    if (_lseeki64(fd_, static_cast<__int64>(offset), SEEK_SET) < 0) {
        *error = errno;
        return false;
    }
#endif
    while (*done < length) {
        const std::size_t want = std::min<std::size_t>(length - *done, INT_MAX / 2);
#ifdef _WIN32
        const int got = _read(fd_, out + *done, static_cast<unsigned>(want));
#else
        const ssize_t got = ::pread(fd_, out + *done, want, static_cast<off_t>(offset + *done));
#endif
        if (got < 0) {
            if (errno == EINTR) continue;
            *error = errno;
            return false;
        }
        if (got == 0) break;
        *done += static_cast<std::size_t>(got);
    }
    return true;
}

bool NativeFile::WriteAll(const void* buffer, std::size_t length, int* error) {
    *error = 0;
    const auto* in = static_cast<const unsigned char*>(buffer);
    std::size_t written = 0;
    while (written < length) {
        const std::size_t want = std::min<std::size_t>(length - written, INT_MAX / 2);
#ifdef _WIN32
        const int put = _write(fd_, in + written, static_cast<unsigned>(want));
#else
        const ssize_t put = ::write(fd_, in + written, want);
#endif
        if (put < 0) {
            if (errno == EINTR) continue;
            *error = errno;
            return false;
        }
        if (put == 0) {
            *error = ENOSPC;
            return false;
        }
        written += static_cast<std::size_t>(put);
    }
    return true;
}

bool NativeFile::Size(std::uint64_t* size, int* error) const {
#ifdef _WIN32
    struct _stati64 st;
    if (_fstati64(fd_, &st) != 0) {
#else
    struct stat st;
    if (::fstat(fd_, &st) != 0) {
#endif
        *error = errno;
        return false;
    }
    *error = 0;
    *size = static_cast<std::uint64_t>(st.st_size);
    return true;
}

bool NativeFile::Close(int* error) {
    *error = 0;
    if (fd_ < 0) return true;
    const int fd = fd_;
    fd_ = -1;
#ifdef _WIN32
    if (_close(fd) != 0) {
#else
    if (::close(fd) != 0) {
#endif
        *error = errno;
        return false;
    }
    return true;
}

void NativeFile::AdviseSequential() {
#if defined(POSIX_FADV_SEQUENTIAL) && !defined(_WIN32)
    (void)::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
}

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

namespace {
std::atomic<std::uint64_t> g_nameCounter{0};
} // namespace

std::uint64_t UniqueNameNumber() noexcept {
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    std::uint64_t x = static_cast<std::uint64_t>(steady) ^ static_cast<std::uint64_t>(wall) ^
                      (g_nameCounter++ * 0x9E3779B97F4A7C15ull);
    // splitmix64's finaliser spreads the bits, so near times give unrelated numbers.
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

} // namespace quillon::discimage
