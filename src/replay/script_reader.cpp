#include "replay/script_reader.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

namespace replay {

bool ScriptReader::fill() {
    char chunk[4096];
    for (;;) {
        if (stop_ != 0)
            return false;
        const ssize_t got = ::read(fd_, chunk, sizeof chunk);
        if (got > 0) {
            buffer_.append(chunk, static_cast<std::size_t>(got));
            return true;
        }
        if (got < 0 && errno == EINTR)
            continue; // the loop looks at the stop request again
        return false;
    }
}

std::optional<std::string> ScriptReader::next() {
    for (;;) {
        if (stop_ != 0 || tooLong_)
            return std::nullopt;
        const auto end = buffer_.find('\n');
        if (end != std::string::npos) {
            std::string line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            return line;
        }
        if (buffer_.size() > kMaxLineBytes) {
            tooLong_ = ended_ = true;
            buffer_.clear();
            return std::nullopt;
        }
        if (ended_ || !fill()) {
            ended_ = true;
            if (buffer_.empty())
                return std::nullopt;
            return std::exchange(buffer_, std::string());
        }
    }
}

} // namespace replay
