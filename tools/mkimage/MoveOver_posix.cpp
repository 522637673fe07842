#include "MoveOver.h"

#include <system_error>

namespace quillon::mkiso {

bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& target, std::string* reason) {
    // rename(2) replaces an existing target atomically.
    std::error_code ec;
    std::filesystem::rename(from, target, ec);
    if (!ec) return true;
    *reason = ec.message();
    return false;
}

} // namespace quillon::mkiso
