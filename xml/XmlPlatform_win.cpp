#include "XmlPlatform.h"

#include "XmlUnicode.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdint>
#include <vector>

namespace {

void Report(XmlOpenError* error, XmlOpenError value) {
    if (error) *error = value;
}

XmlOpenError FromLastError(DWORD code) {
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return XmlOpenError::NotFound;
    if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) return XmlOpenError::AlreadyExists;
    return XmlOpenError::Other;
}

// The C runtime's fopen folds every reason into errno; opening with CreateFile keeps the
// system's own error, and the handle then becomes a stream.
XmlFilePtr StreamFromHandle(HANDLE handle, bool reading) {
    const int fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(handle),
                                   (reading ? _O_RDONLY : _O_WRONLY) | _O_BINARY);
    if (fd == -1) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, reading ? "rb" : "wb");
    if (!file) _close(fd); // closes the handle too
    return XmlFilePtr(file);
}

template <typename Open> XmlFilePtr OpenThroughHandle(XmlFileMode mode, XmlOpenError* error, Open open) {
    const bool reading = mode == XmlFileMode::Read;
    const HANDLE handle = open(reading ? GENERIC_READ : GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               reading ? OPEN_EXISTING : CREATE_NEW);
    if (handle == INVALID_HANDLE_VALUE) {
        Report(error, FromLastError(GetLastError()));
        return nullptr;
    }
    XmlFilePtr file = StreamFromHandle(handle, reading);
    Report(error, file ? XmlOpenError::None : XmlOpenError::Other);
    return file;
}

} // namespace

XmlFilePtr XmlOpenFile(const char* name, XmlFileMode mode, XmlOpenError* error) {
    Report(error, XmlOpenError::Other);
    if (!name) return nullptr;
    if (mode == XmlFileMode::Write) {
        // Narrow names are in the ANSI code page, as the C runtime takes them.
        XmlFilePtr file(std::fopen(name, "wb"));
        Report(error, file ? XmlOpenError::None : XmlOpenError::Other);
        return file;
    }
    return OpenThroughHandle(mode, error, [name](DWORD access, DWORD share, DWORD disposition) {
        return CreateFileA(name, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    });
}

XmlFilePtr XmlOpenFileWide(const char16_t* name, XmlFileMode mode, XmlOpenError* error) {
    Report(error, XmlOpenError::Other);
    if (!name) return nullptr;
    const auto* wide = reinterpret_cast<const wchar_t*>(name);
    if (mode == XmlFileMode::Write) {
        XmlFilePtr file(_wfopen(wide, L"wb"));
        Report(error, file ? XmlOpenError::None : XmlOpenError::Other);
        return file;
    }
    return OpenThroughHandle(mode, error, [wide](DWORD access, DWORD share, DWORD disposition) {
        return CreateFileW(wide, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    });
}

std::string XmlAnsiToUtf8(const char* text) {
    if (!text || !*text) return std::string();
    const int units = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (units <= 0) return std::string();
    std::vector<wchar_t> wide(static_cast<std::size_t>(units));
    if (MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), units) <= 0) return std::string();
    return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()),
                                           static_cast<std::size_t>(units - 1)));
}

bool XmlCloseWritten(XmlFilePtr file) {
    if (!file) return false;
    const bool flushed = std::fflush(file.get()) == 0 && !std::ferror(file.get());
    return std::fclose(file.release()) == 0 && flushed;
}

unsigned long XmlProcessId() {
    return static_cast<unsigned long>(GetCurrentProcessId());
}
