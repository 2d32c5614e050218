// The lines of a driver script, read straight from a file descriptor so that a stop request
// (a signal that interrupts the read) ends the reading at once instead of waiting for input.
#pragma once

#include <csignal>
#include <cstddef>
#include <optional>
#include <string>

namespace replay {

class ScriptReader {
  public:
    // Reads from fd (not closed here); reading ends early once `stop` is set.
    ScriptReader(int fd, const volatile std::sig_atomic_t& stop) : fd_(fd), stop_(stop) {}

    // The longest line a script may have: no command comes near it, and a file of one
    // endless line (a device such as /dev/zero) ends the reading instead of the memory.
    static constexpr std::size_t kMaxLineBytes = std::size_t{64} << 10;

    // The next line without its line feed; nothing at the end of the script, on a read error,
    // at a line longer than kMaxLineBytes (then tooLong() is true) or once a stop was
    // requested. A last line without a line feed still counts.
    std::optional<std::string> next();
    bool tooLong() const { return tooLong_; }

  private:
    bool fill();

    int fd_;
    const volatile std::sig_atomic_t& stop_;
    std::string buffer_;
    bool ended_ = false;
    bool tooLong_ = false;
};

} // namespace replay
