// Name rules of the Joliet tree: names are kept as the user gave them, in UCS-2,
// so every name must be one Joliet can hold; nothing is cut or replaced.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillon::discimage {

// Joliet identifiers hold at most 64 UTF-16 code units (128 bytes).
inline constexpr std::size_t kJolietMaxNameLength = 64;

enum class NameProblem {
    None,
    Empty,
    Reserved,           // "." or ".."
    TooLong,            // over 64 UTF-16 code units
    ForbiddenCharacter, // a control character or one of * / : ; ? backslash
    BrokenSurrogate,    // an unpaired UTF-16 surrogate: not text at all
    OutsideUcs2,        // a character beyond U+FFFF, which UCS-2 cannot hold
    TrailingDotOrSpace, // ends in "." or " ", which Windows drops: such a file cannot be opened
};

// Checks one name (no separators). The length limit, UCS-2 and the trailing dot or
// space apply only when the image gets a Joliet tree (without it names are only
// mapped to ISO 9660); the forbidden characters are refused always, since they are
// not valid in Windows names either.
NameProblem CheckItemName(std::u16string_view name, bool joliet);

// The key two names of one directory are compared by: Windows reads Joliet without
// regard to case, so names that differ only in case would shadow each other.
// Folds ASCII, Latin-1, Greek and Cyrillic letters.
std::u16string NameKey(std::u16string_view name);

// The identifier bytes of a Joliet directory record: UCS-2 big-endian, no version.
std::string JolietIdentifier(std::u16string_view name);

} // namespace quillon::discimage
