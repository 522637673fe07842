// UTF-8 and UTF-16 conversions for names: file systems and the command line speak
// UTF-8 natively, the image model and Joliet speak UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace quillon::discimage {

// Strict conversions: malformed input (bad sequences, overlong forms, unpaired
// surrogates) makes them return false.
bool Utf8ToUtf16(std::string_view in, std::u16string* out);
bool Utf16ToUtf8(std::u16string_view in, std::string* out);
// For messages only: malformed parts become U+FFFD.
std::string Utf16ToUtf8Lossy(std::u16string_view in);

} // namespace quillon::discimage
