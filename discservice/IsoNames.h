// Names of the ISO 9660 tree (ECMA-119 7.5, 7.6, interchange level 2): upper-case
// d-characters (A-Z 0-9 _), file identifiers "NAME.EXT;1" with name and extension
// together at most 30 characters, directory identifiers at most 31. Names are
// mapped into that set and then made unique within their directory.
#pragma once

#include "ImageStatus.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon::discimage {

inline constexpr std::size_t kIsoMaxFileNameAndExtension = 30;
inline constexpr std::size_t kIsoMaxDirectoryIdentifier = 31;
inline constexpr std::size_t kIsoMaxExtension = 8;

struct IsoName {
    std::string name;      // d-characters
    std::string extension; // d-characters; always empty for directories
    bool directory = false;

    // "NAME.EXT;1" for a file (the dot stays when the extension is empty), "NAME" for a directory.
    std::string Identifier() const;
};

// Maps a name to d-characters: letters to upper case, Latin-1 letters to their
// base letters, everything else to "_"; the last dot of a file name separates the
// extension; the parts are cut to the level-2 lengths.
IsoName MapIsoName(std::u16string_view name, bool directory);

// Makes the names of one directory unique, in the order given: the first of
// several equal names keeps it, the others get a number in place of the end of
// their name. Files and directories share one set of names, because readers that
// drop ";1" and a trailing dot would show "README" and "README.;1" alike.
Status MakeUniqueIsoNames(std::vector<IsoName>& names);

// ECMA-119 9.3: names compared first, then extensions, shorter before longer.
bool IsoNameLess(const IsoName& a, const IsoName& b);

} // namespace quillon::discimage
