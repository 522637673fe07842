#pragma once
// UTF-8 / UTF-16 conversions used by the file readers, the UTF-16 writer and the wide
// entry points. Kept in our own code so both builds convert identically.

#include <string>
#include <string_view>

// Running out of memory ends the program (the library never throws).
// Invalid UTF-8 bytes become U+FFFD each; encoded surrogates pass through as the code
// unit they encode, so character references of surrogate pairs come out as a pair.
std::u16string Utf8ToUtf16(std::string_view text) noexcept;

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text) noexcept;

// Length of a NUL-terminated UTF-16 text.
std::size_t Utf16Length(const char16_t* text) noexcept;

// Appends one UTF-16 code unit (or any value below 0x10000) in UTF-8: one to three bytes.
void AppendUtf8Unit(std::string& out, unsigned value) noexcept;
