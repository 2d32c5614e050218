// Small files on disk: whole-file reads of lines and bytes, and writes that never leave a
// half-written file behind.
//
// A write goes to a temporary file beside the target, made for this write alone (target +
// ".new-" and six random characters, created exclusively and never through a symbolic link,
// so that neither a link planted there nor a second program writing the same file can steer
// or spoil it). It is flushed to the disk and closed with every error checked; only then is it
// renamed over the target, and the folder itself is flushed so that the rename survives a
// power cut. At any moment the target holds either its old content or the new one, whole.
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
#include <utility>
#include <vector>

namespace io {

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
// new content durably to a new temporary file beside `path` without touching `path` and
// gives its name in `temporary`; commitStaged renames a temporary over `path` and flushes the
// folder; discardStaged removes it.
std::optional<std::string> stageBytes(const std::string& path, std::span<const std::uint8_t> bytes,
                                      std::string& temporary);
std::optional<std::string> commitStaged(const std::string& temporary, const std::string& path);
void discardStaged(const std::string& temporary);

// The temporaries waiting beside `path` (regular files only, a write's own ones and the plain
// path + ".new" an earlier build used), in name order; and whether there is any.
std::vector<std::string> stagedFiles(const std::string& path);
bool isStaged(const std::string& path);

// Copy a regular file whole through the writer above: the copy is durable when this returns
// nothing; otherwise the error text for the player.
std::optional<std::string> copyFileDurably(const std::string& from, const std::string& to);

// Remove a file through the write layer; true when it is gone (or was never there).
bool removeFile(const std::string& path);

// An exclusive lock on a folder (flock on the folder itself, so no file is left in it), held
// for the lifetime of the object: other copies of the game that take it wait until it is
// released. Taken again by the same program for the same folder (however its path is
// spelled), it only counts. A folder that cannot be opened is not locked.
class FolderLock {
  public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    std::pair<dev_t, ino_t> id_{};
    bool locked_ = false;
};

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
    virtual int unlink(const char* path);
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

} // namespace io
