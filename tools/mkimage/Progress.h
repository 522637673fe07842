// Progress on stderr: a line rewritten in place on a terminal, or a line per
// tenth of the work when asked for while stderr is not a terminal.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace quillon::mkiso {

bool StderrIsTerminal();

class Progress {
  public:
    enum class Mode { Off, Terminal, Lines };
    explicit Progress(Mode mode) : mode_(mode) {}

    bool Enabled() const { return mode_ != Mode::Off; }
    void Counting(const char* what, std::uint64_t count);
    void Bytes(std::uint64_t done, std::uint64_t total);
    void Finish();

  private:
    bool Due(bool force);
    void Show(const std::string& line);

    Mode mode_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point last_{};
    int lastTenth_ = -1;
    bool lineOpen_ = false;
};

std::string HumanBytes(std::uint64_t bytes);

} // namespace quillon::mkiso
