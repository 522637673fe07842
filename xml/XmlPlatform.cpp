#include "XmlPlatform.h"

#include "XmlUnicode.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

void Report(XmlOpenError* error, XmlOpenError value) {
    if (error) *error = value;
}

XmlOpenError FromErrno(int code) {
    if (code == ENOENT) return XmlOpenError::NotFound;
    if (code == EEXIST) return XmlOpenError::AlreadyExists;
    return XmlOpenError::Other;
}

} // namespace

XmlFilePtr XmlOpenFile(const char* name, XmlFileMode mode, XmlOpenError* error) {
    Report(error, XmlOpenError::Other);
    if (!name) return nullptr;
    if (mode == XmlFileMode::CreateNew) {
        const int fd = ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            Report(error, FromErrno(errno));
            return nullptr;
        }
        XmlFilePtr file(::fdopen(fd, "wb"));
        if (!file) {
            ::close(fd);
            ::unlink(name);
            return nullptr;
        }
        Report(error, XmlOpenError::None);
        return file;
    }
    XmlFilePtr file(std::fopen(name, mode == XmlFileMode::Read ? "rb" : "wb"));
    Report(error, file ? XmlOpenError::None : FromErrno(errno));
    return file;
}

XmlFilePtr XmlOpenFileWide(const char16_t* name, XmlFileMode mode, XmlOpenError* error) {
    Report(error, XmlOpenError::Other);
    if (!name) return nullptr;
    // File names on this side are UTF-8 bytes.
    const std::string utf8 = Utf16ToUtf8(std::u16string_view(name, Utf16Length(name)));
    return XmlOpenFile(utf8.c_str(), mode, error);
}

std::string XmlAnsiToUtf8(const char* text) {
    return text ? std::string(text) : std::string();
}

bool XmlCloseWritten(XmlFilePtr file) {
    if (!file) return false;
    const bool flushed = std::fflush(file.get()) == 0 && !std::ferror(file.get());
    return std::fclose(file.release()) == 0 && flushed;
}

unsigned long XmlProcessId() {
    return static_cast<unsigned long>(::getpid());
}
