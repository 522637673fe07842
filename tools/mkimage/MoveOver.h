// Puts a finished file in the place of the target in one step: the target is the
// old file or the new one at every moment, never missing. POSIX rename does this;
// the Windows build asks MoveFileExW to replace the target and write through.
#pragma once

#include <filesystem>
#include <string>

namespace quillon::mkiso {

// On failure returns false with the system's reason; the target is left as it
// was and from is still there.
bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& target, std::string* reason);

} // namespace quillon::mkiso
