#include "persist/files.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace persist {
namespace {

namespace fs = std::filesystem;

std::string cannotWrite(const std::string& path, const std::string& reason) {
    return "Cannot write " + path + ": " + reason;
}

} // namespace

std::optional<std::vector<std::string>> readLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<std::vector<std::uint8_t>> readBytes(const std::string& path, std::size_t count) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(count);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::optional<std::string> writeBytes(const std::string& path,
                                      std::span<const std::uint8_t> bytes) {
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return cannotWrite(path, std::strerror(errno));
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return cannotWrite(path, "the disk refused the data");
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return cannotWrite(path, error.message());
    }
    return std::nullopt;
}

std::optional<std::string> writeLines(const std::string& path,
                                      const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    return writeBytes(path, std::span(data, text.size()));
}

std::string inFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + '/' + name;
}

} // namespace persist
