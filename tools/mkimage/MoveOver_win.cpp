#include "MoveOver.h"

#include "TextConversion.h"

#include <windows.h>

#include <string>

namespace quillon::mkiso {

namespace {

std::string SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string message;
    if (length > 0 && text) message.assign(reinterpret_cast<const char16_t*>(text), length);
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == u'\r' || message.back() == u'\n' || message.back() == u' '))
        message.pop_back();
    const std::string code = "error " + std::to_string(error);
    return message.empty() ? code : discimage::Utf16ToUtf8Lossy(message) + " (" + code + ")";
}

} // namespace

bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& target, std::string* reason) {
    // One call that replaces the target or leaves it alone: removing it first and
    // then moving could lose it when the move fails.
    if (MoveFileExW(from.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *reason = SystemMessage(GetLastError());
    return false;
}

} // namespace quillon::mkiso
