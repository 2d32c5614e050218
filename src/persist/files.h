// Small files on disk: whole-file reads of lines and bytes, and writes that never leave a
// half-written file behind (a temporary file beside the target, then a rename over it).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace persist {

// The lines of a text file without their line ends (LF or CR LF); nothing when the file
// cannot be opened.
std::optional<std::vector<std::string>> readLines(const std::string& path);

// The first `count` bytes of a file, or fewer when the file is shorter; nothing when the
// file cannot be opened.
std::optional<std::vector<std::uint8_t>> readBytes(const std::string& path, std::size_t count);

// Write the bytes as the whole new content of the file, atomically. Returns an error text
// for the player ("Cannot write ...: reason") or nothing on success.
std::optional<std::string> writeBytes(const std::string& path, std::span<const std::uint8_t> bytes);

// Write the lines, each ended by a line feed, atomically; errors as writeBytes.
std::optional<std::string> writeLines(const std::string& path,
                                      const std::vector<std::string>& lines);

// folder + "/" + name, without doubling a slash that the folder already ends with.
std::string inFolder(const std::string& folder, const std::string& name);

} // namespace persist
