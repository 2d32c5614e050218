#include "io/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace io {
namespace {

WriteLayer systemLayer;
WriteLayer* currentLayer = &systemLayer;

WriteLayer& layer() {
    return *currentLayer;
}

std::string cannotWrite(const std::string& path, const std::string& reason) {
    return "Cannot write " + path + ": " + reason;
}

std::string lastError() {
    return std::strerror(errno);
}

// The folder part of a path ("." for a bare name).
std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The name part of a path.
std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

constexpr const char* kStagedSuffix = ".new";
constexpr char kStagedMark = '-';
constexpr int kUniqueLetters = 6;
constexpr int kNameTries = 100;

// A name for a new temporary beside `path`: path + ".new-" and six random letters or digits.
std::string freshTemporaryName(const std::string& path) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937_64 random{std::random_device{}() ^
                                  (static_cast<std::uint64_t>(::getpid()) << 32)};
    std::string name = path + kStagedSuffix + kStagedMark;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (int k = 0; k < kUniqueLetters; ++k)
        name += kLetters[pick(random)];
    return name;
}

// A file descriptor closed on the way out unless handed over.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

// Open a file for reading without blocking; only a regular file is taken.
std::optional<std::vector<std::uint8_t>> readRegular(const std::string& path, std::size_t limit) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[4096];
    while (bytes.size() < limit) {
        const std::size_t want = std::min(sizeof chunk, limit - bytes.size());
        const ssize_t got = ::read(fd.get(), chunk, want);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    return bytes;
}

// Write all the bytes, resuming after interruptions and partial writes.
bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t done = layer().write(fd, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(done));
    }
    return true;
}

// Flush the folder's list of names, so that a rename in it is on the disk.
bool syncFolder(const std::string& folder) {
    const int fd = layer().open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool synced = layer().fsync(fd) == 0;
    return layer().close(fd) == 0 && synced;
}

} // namespace

int WriteLayer::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}
ssize_t WriteLayer::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}
int WriteLayer::fsync(int fd) {
    return ::fsync(fd);
}
int WriteLayer::close(int fd) {
    return ::close(fd);
}
int WriteLayer::rename(const char* from, const char* to) {
    return std::rename(from, to);
}
int WriteLayer::unlink(const char* path) {
    return ::unlink(path);
}

ScopedWriteLayer::ScopedWriteLayer(WriteLayer& replacement) : previous_(currentLayer) {
    currentLayer = &replacement;
}
ScopedWriteLayer::~ScopedWriteLayer() {
    currentLayer = previous_;
}

std::optional<std::vector<std::string>> readLines(const std::string& path) {
    const auto bytes = readRegular(path, SIZE_MAX);
    if (!bytes)
        return std::nullopt;
    std::vector<std::string> lines;
    auto start = bytes->begin();
    while (start != bytes->end()) {
        const auto end = std::find(start, bytes->end(), std::uint8_t{'\n'});
        std::string line(start, end);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end == bytes->end() ? end : end + 1;
    }
    return lines;
}

std::optional<std::vector<std::uint8_t>> readBytes(const std::string& path, std::size_t count) {
    return readRegular(path, count);
}

std::optional<std::string> stageBytes(const std::string& path, std::span<const std::uint8_t> bytes,
                                      std::string& temporary) {
    // A fresh name for every write, created here and nowhere else: never an existing file,
    // never through a link.
    int opened = -1;
    for (int tries = 0; opened < 0 && tries < kNameTries; ++tries) {
        temporary = freshTemporaryName(path);
        opened = layer().open(temporary.c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (opened < 0 && errno != EEXIST)
            break;
    }
    Descriptor fd(opened);
    if (fd.get() < 0)
        return cannotWrite(path, lastError());
    std::optional<std::string> error;
    if (!writeAll(fd.get(), bytes) || layer().fsync(fd.get()) != 0)
        error = cannotWrite(path, lastError());
    // A close that fails may have lost the data, even after the writes went through.
    if (layer().close(fd.release()) != 0 && !error)
        error = cannotWrite(path, lastError());
    if (error)
        discardStaged(temporary);
    return error;
}

std::optional<std::string> commitStaged(const std::string& temporary, const std::string& path) {
    if (layer().rename(temporary.c_str(), path.c_str()) != 0)
        return cannotWrite(path, lastError());
    if (!syncFolder(folderOf(path)))
        return cannotWrite(path, lastError());
    return std::nullopt;
}

void discardStaged(const std::string& temporary) {
    ::unlink(temporary.c_str());
}

std::vector<std::string> stagedFiles(const std::string& path) {
    const std::string folder = folderOf(path);
    const std::string plain = nameOf(path) + kStagedSuffix;
    std::vector<std::string> found;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != plain && !(name.starts_with(plain) && name[plain.size()] == kStagedMark))
            continue;
        const std::string staged = inFolder(folder, name);
        struct stat info {};
        if (::lstat(staged.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            found.push_back(staged);
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end());
    return found;
}

bool isStaged(const std::string& path) {
    return !stagedFiles(path).empty();
}

std::optional<std::string> copyFileDurably(const std::string& from, const std::string& to) {
    struct stat info {};
    const auto bytes = ::stat(from.c_str(), &info) == 0 && S_ISREG(info.st_mode)
                           ? readBytes(from, static_cast<std::size_t>(info.st_size) + 1)
                           : std::nullopt;
    if (!bytes || bytes->size() != static_cast<std::size_t>(info.st_size))
        return "Cannot read " + from + ".";
    return writeBytes(to, *bytes);
}

bool removeFile(const std::string& path) {
    return layer().unlink(path.c_str()) == 0 || errno == ENOENT;
}

namespace {

// The folders this program holds locked (by device and inode, however their paths are
// spelled), with their descriptors and how often each is held.
struct HeldLock {
    int fd = -1;
    int count = 0;
};
using FolderId = std::pair<dev_t, ino_t>;
std::map<FolderId, HeldLock>& heldLocks() {
    static std::map<FolderId, HeldLock> held;
    return held;
}

} // namespace

FolderLock::FolderLock(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    id_ = {info.st_dev, info.st_ino};
    locked_ = true;
    HeldLock& held = heldLocks()[id_];
    if (held.count++ > 0) {
        ::close(fd); // already locked by this program
        return;
    }
    held.fd = fd;
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

FolderLock::~FolderLock() {
    if (!locked_)
        return;
    auto it = heldLocks().find(id_);
    if (it == heldLocks().end() || --it->second.count > 0)
        return;
    ::close(it->second.fd); // releases the lock
    heldLocks().erase(it);
}

std::optional<std::string> writeBytes(const std::string& path,
                                      std::span<const std::uint8_t> bytes) {
    std::string temporary;
    if (auto error = stageBytes(path, bytes, temporary))
        return error;
    auto error = commitStaged(temporary, path);
    if (error)
        discardStaged(temporary);
    return error;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

std::optional<std::string> writeLines(const std::string& path,
                                      const std::vector<std::string>& lines) {
    const std::string text = joinLines(lines);
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    return writeBytes(path, std::span(data, text.size()));
}

std::string inFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + '/' + name;
}

} // namespace io
