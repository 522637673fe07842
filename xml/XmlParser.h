#pragma once
// What the loader does with the bytes of a file before parsing: a text that starts
// with FF FE is UTF-16 little-endian up to its first zero code unit and becomes UTF-8
// (its byte-order mark too); any other text is taken byte for byte up to its first
// zero byte.

#include <optional>
#include <string>
#include <string_view>

std::string XmlFileBytesToText(std::string_view bytes) noexcept;

// The text of a file as the loader takes it (narrow name, no transform); nothing when
// the file cannot be opened or read.
std::optional<std::string> XmlReadFileText(const char* name) noexcept;
