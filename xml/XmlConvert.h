#pragma once
// The conversions of XmlUnicode.h as the library uses them on whole texts inside its own
// calls: these throw when memory runs out, and those calls turn that into their failure
// result (the public ones, being noexcept, would end the program instead).

#include <string>
#include <string_view>

namespace xmlconv {

std::u16string ToUtf16(std::string_view text);
std::string ToUtf8(std::u16string_view text);

} // namespace xmlconv
