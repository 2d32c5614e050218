// Write layers for breaking writes off. FaultyWrites lets a budget of steps through (each byte
// written, each rename and each removal is one step) and then refuses the next one: the call fails
// as on a full disk, or the program stops dead (an exception that skips every clean-up, as a power
// cut or a kill would). FailingCall makes one kind of call fail every time.
#pragma once

#include "io/files.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>

namespace testing_shell {

struct ProgramStopped {};

// The system's calls without the flushes to the disk: what these tests look at is what the
// files hold, and a thousand flushes would only make them slow.
class UnsyncedWrites : public io::WriteLayer {
  public:
    int fsync(int) override { return 0; }
};

class FaultyWrites : public UnsyncedWrites {
  public:
    enum class Mode { Fail, Stop };

    FaultyWrites(std::size_t steps, Mode mode) : left_(steps), mode_(mode) {}

    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (left_ == 0)
            return refuse();
        // Short writes on the way, as a real disk may give: at most 7 bytes at a time.
        const std::size_t n = std::min({size, left_, std::size_t{7}});
        const ssize_t done = UnsyncedWrites::write(fd, data, n);
        if (done > 0)
            left_ -= static_cast<std::size_t>(done);
        return done;
    }
    int rename(const char* from, const char* to) override {
        if (left_ == 0)
            return refuse();
        --left_;
        return UnsyncedWrites::rename(from, to);
    }
    int unlink(const char* path) override {
        if (left_ == 0)
            return refuse();
        --left_;
        return UnsyncedWrites::unlink(path);
    }

    // True once the layer has refused a call.
    bool cut() const { return cut_; }

  private:
    int refuse() {
        cut_ = true;
        if (mode_ == Mode::Stop)
            throw ProgramStopped{};
        errno = ENOSPC;
        return -1;
    }

    std::size_t left_;
    Mode mode_;
    bool cut_ = false;
};

class FailingCall : public io::WriteLayer {
  public:
    enum class Call { Open, Fsync, Close };
    explicit FailingCall(Call call) : call_(call) {}

    int open(const char* path, int flags, mode_t mode) override {
        return call_ == Call::Open ? fail() : WriteLayer::open(path, flags, mode);
    }
    int fsync(int fd) override { return call_ == Call::Fsync ? fail() : WriteLayer::fsync(fd); }
    int close(int fd) override {
        // The descriptor is released all the same, as the system does after a failed close.
        const int result = WriteLayer::close(fd);
        return call_ == Call::Close ? fail() : result;
    }

  private:
    static int fail() {
        errno = EIO;
        return -1;
    }
    Call call_;
};

} // namespace testing_shell
