#include "Progress.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quillon::mkiso {

bool StderrIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

std::string HumanBytes(std::uint64_t bytes) {
    const char* units[] = {"B", "KiB", "MiB", "GiB", "TiB"};
    double value = static_cast<double>(bytes);
    int unit = 0;
    while (value >= 1024 && unit < 4) {
        value /= 1024;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, unit == 0 ? "%.0f %s" : "%.2f %s", value, units[unit]);
    return text;
}

bool Progress::Due(bool force) {
    const auto now = std::chrono::steady_clock::now();
    if (!force && now - last_ < std::chrono::milliseconds(200)) return false;
    last_ = now;
    return true;
}

void Progress::Show(const std::string& line) {
    if (mode_ == Mode::Terminal) {
        std::fprintf(stderr, "\r%-78s", line.c_str());
        lineOpen_ = true;
    } else {
        std::fprintf(stderr, "%s\n", line.c_str());
    }
    std::fflush(stderr);
}

void Progress::Counting(const char* what, std::uint64_t count) {
    if (mode_ != Mode::Terminal || !Due(false)) return;
    Show(std::string(what) + " " + std::to_string(count));
}

void Progress::Bytes(std::uint64_t done, std::uint64_t total) {
    if (mode_ == Mode::Off) return;
    const int tenth = total ? static_cast<int>(done * 10 / total) : 10;
    if (mode_ == Mode::Lines) {
        if (tenth == lastTenth_) return;
        lastTenth_ = tenth;
    } else if (!Due(done == total)) {
        return;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    char line[128];
    std::snprintf(
        line, sizeof line, "Writing %3d%%  %s of %s  %s/s",
        total ? static_cast<int>(done * 100 / total) : 100, HumanBytes(done).c_str(),
        HumanBytes(total).c_str(),
        HumanBytes(seconds > 0 ? static_cast<std::uint64_t>(static_cast<double>(done) / seconds) : 0)
            .c_str());
    Show(line);
}

void Progress::Finish() {
    if (lineOpen_) std::fprintf(stderr, "\n");
    lineOpen_ = false;
}

} // namespace quillon::mkiso
