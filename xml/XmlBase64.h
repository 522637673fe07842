#pragma once
// Base64 of RFC 4648 (standard alphabet, "=" padding).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// lineLength > 0 puts a carriage return and line feed after every lineLength output
// characters that are followed by more.
std::string Base64Encode(const void* data, std::size_t size, std::size_t lineLength = 0) noexcept;

// Skips carriage returns and line feeds, ignores other characters outside the
// alphabet, and ends at the first "=" or once limit bytes are decoded. Both give an
// empty result when memory runs out.
std::vector<std::uint8_t> Base64Decode(std::string_view text, std::size_t limit = SIZE_MAX) noexcept;
