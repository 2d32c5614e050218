// Small files on disk: whole-file reads of lines and bytes, and writes that never leave a
// half-written file behind.
//
// A write goes to a temporary file beside the target (target + ".new"), which is flushed to
// the disk and closed with every error checked; only then is it renamed over the target, and
// the folder itself is flushed so that the rename survives a power cut. At any moment the
// target holds either its old content or the new one, whole.
//
// A read opens the file without waiting and takes only a regular file: a named pipe or a
// device in a file's place counts as a file that cannot be opened, so the game never hangs
// on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <sys/types.h>
#include <vector>

namespace persist {

// The lines of a text file without their line ends (LF or CR LF); nothing when the file
// cannot be opened or is not a regular file.
std::optional<std::vector<std::string>> readLines(const std::string& path);

// The first `count` bytes of a file, or fewer when the file is shorter; nothing when the
// file cannot be opened or is not a regular file.
std::optional<std::vector<std::uint8_t>> readBytes(const std::string& path, std::size_t count);

// Write the bytes as the whole new content of the file, atomically and durably. Returns an
// error text for the player ("Cannot write ...: reason") or nothing on success.
std::optional<std::string> writeBytes(const std::string& path, std::span<const std::uint8_t> bytes);

// Write the lines, each ended by a line feed, atomically; errors as writeBytes.
std::optional<std::string> writeLines(const std::string& path,
                                      const std::vector<std::string>& lines);

// The two halves of writeBytes, for files that must change together. stageBytes writes the
// new content durably to the temporary file beside `path` without touching `path`;
// commitStaged renames it over `path` and flushes the folder; discardStaged removes it.
std::string stagedPath(const std::string& path);
std::optional<std::string> stageBytes(const std::string& path, std::span<const std::uint8_t> bytes);
std::optional<std::string> commitStaged(const std::string& path);
void discardStaged(const std::string& path);
bool isStaged(const std::string& path);

// The text of a file of lines, each ended by a line feed.
std::string joinLines(const std::vector<std::string>& lines);

// folder + "/" + name, without doubling a slash that the folder already ends with.
std::string inFolder(const std::string& folder, const std::string& name);

// The system calls every write goes through. The tests put in a layer of their own to make a
// write fail, or the program stop dead, at any chosen byte.
class WriteLayer {
  public:
    virtual ~WriteLayer() = default;
    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
};

// Puts a layer in place of the system's for the lifetime of the object.
class ScopedWriteLayer {
  public:
    explicit ScopedWriteLayer(WriteLayer& layer);
    ~ScopedWriteLayer();
    ScopedWriteLayer(const ScopedWriteLayer&) = delete;
    ScopedWriteLayer& operator=(const ScopedWriteLayer&) = delete;

  private:
    WriteLayer* previous_;
};

} // namespace persist
