#pragma once
// The stored form: names, values and text pieces are kept as they stand in an XML
// file, with markup characters escaped as entity references.

#include <string>
#include <string_view>

// Plain text to the stored form. With out null only the encoded length (without
// terminator) is returned; with text null, 0. Callers size out as that length plus 10.
int XmlEncode(const char* text, char* out) noexcept;

// Stored form to plain text. With out null returns the stored length, an upper bound
// of the decoded length. Otherwise writes the NUL-terminated text and returns its length.
int XmlDecode(const char* stored, char* out) noexcept;

std::string XmlEncodeString(std::string_view text) noexcept;
std::string XmlDecodeString(std::string_view stored) noexcept;

// Plain text to a stored element name that decodes to exactly that text, also after a
// save and load: besides the markup characters, every "&" and the characters that end a
// name in a tag text (blank, tab, "/") are escaped.
std::string XmlEncodeName(std::string_view text) noexcept;

// True when decoding would change nothing (no "&" in the text).
inline bool XmlDecodeIsIdentity(std::string_view stored) noexcept {
    return stored.find('&') == std::string_view::npos;
}
