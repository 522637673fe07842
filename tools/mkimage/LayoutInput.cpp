#include "LayoutInput.h"

#include "FileSource.h"

namespace quillon::mkiso {

bool AddLayoutFile(discimage::FileSystemImage&, const std::filesystem::path& file, Progress&,
                   std::string* error) {
    *error = discimage::PathForDisplay(file) + ": layout files are not supported by this build";
    return false;
}

} // namespace quillon::mkiso
