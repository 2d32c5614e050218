// The lines of a driver script, read straight from a file descriptor so that a stop request
// (a signal that interrupts the read) ends the reading at once instead of waiting for input.
#pragma once

#include <csignal>
#include <optional>
#include <string>

namespace cli {

class ScriptReader {
  public:
    // Reads from fd (not closed here); reading ends early once `stop` is set.
    ScriptReader(int fd, const volatile std::sig_atomic_t& stop) : fd_(fd), stop_(stop) {}

    // The next line without its line feed; nothing at the end of the script, on a read error
    // or once a stop was requested. A last line without a line feed still counts.
    std::optional<std::string> next();

  private:
    bool fill();

    int fd_;
    const volatile std::sig_atomic_t& stop_;
    std::string buffer_;
    bool ended_ = false;
};

} // namespace cli
