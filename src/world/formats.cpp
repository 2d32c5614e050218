#include "world/formats.h"

#include <algorithm>
#include <charconv>

namespace world {
namespace {

constexpr std::array<int, 8> kEmptyLines = {15, 21, 23, 39, 46, 127, 136, 267};

// Splits text into lines, accepting LF and CRLF line ends.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

bool parseNumber(std::string_view word, int lo, int hi, int& out) {
    const auto* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, out);
    return ec == std::errc{} && ptr == end && out >= lo && out <= hi;
}

bool printableAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char ch) { return ch >= 0x20 && ch <= 0x7e; });
}

} // namespace

std::string FormatError::describe() const {
    return file + ":" + std::to_string(line) + ": " + message;
}

std::variant<FloorData, FormatError> parseFloor(std::string_view text,
                                                const std::string& fileName) {
    FloorData floor;
    bool haveArrival = false;
    int row = 0;
    const auto lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        auto err = [&](std::string msg) { return FormatError{fileName, lineNo, std::move(msg)}; };
        std::string_view line = lines[i];
        if (!printableAscii(line))
            return err("only printable ASCII is allowed");
        line = line.substr(0, line.find('#'));
        const auto w = words(line);
        if (w.empty())
            continue;
        if (!haveArrival) {
            int up = 0;
            int down = 0;
            if (w.size() != 3 || w[0] != "arrival" || !parseNumber(w[1], 0, 120, up) ||
                !parseNumber(w[2], 0, 120, down)) {
                return err("expected \"arrival UP DOWN\" with two cell numbers 0..120");
            }
            floor.arrivalUp = static_cast<std::uint8_t>(up);
            floor.arrivalDown = static_cast<std::uint8_t>(down);
            haveArrival = true;
            continue;
        }
        if (row == 11)
            return err("more than 11 rows");
        if (w.size() != 11) {
            return err("row " + std::to_string(row) + " has " + std::to_string(w.size()) +
                       " tile codes, expected 11");
        }
        for (std::size_t x = 0; x < 11; ++x) {
            int code = 0;
            if (!parseNumber(w[x], 0, 255, code)) {
                return err("\"" + std::string(w[x]) + "\" is not a tile code 0..255");
            }
            floor.cells[static_cast<std::size_t>(row) * 11 + x] = static_cast<std::uint8_t>(code);
        }
        ++row;
    }
    const int lastLine = static_cast<int>(lines.size());
    if (!haveArrival)
        return FormatError{fileName, lastLine, "missing \"arrival UP DOWN\" line"};
    if (row != 11) {
        return FormatError{fileName, lastLine,
                           "only " + std::to_string(row) + " rows, expected 11"};
    }
    return floor;
}

bool catalogueLineMayBeEmpty(int n) {
    return std::find(kEmptyLines.begin(), kEmptyLines.end(), n) != kEmptyLines.end();
}

std::variant<std::vector<std::string>, FormatError> parseCatalogue(std::string_view text,
                                                                   const std::string& fileName) {
    auto lines = splitLines(text);
    if (!lines.empty() && lines.back().empty())
        lines.pop_back(); // the final line end
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int n = static_cast<int>(i);
        auto err = [&](std::string msg) { return FormatError{fileName, n + 1, std::move(msg)}; };
        const std::string_view line = lines[i];
        if (!printableAscii(line))
            return err("only printable ASCII is allowed");
        const auto bar = line.find('|');
        int number = -1;
        if (bar != 3 || !parseNumber(line.substr(0, 3), 0, 999, number)) {
            return err("expected \"NNN|text\"");
        }
        if (number != n) {
            return err("line is numbered " + std::to_string(number) + ", expected " +
                       std::to_string(n));
        }
        const std::string_view body = line.substr(4);
        if (body.empty() != catalogueLineMayBeEmpty(n)) {
            return err(body.empty() ? "this line must not be empty" : "this line must be empty");
        }
        out.emplace_back(body);
    }
    if (static_cast<int>(out.size()) != kCatalogueLines) {
        return FormatError{fileName, static_cast<int>(lines.size()),
                           "has " + std::to_string(out.size()) + " lines, expected " +
                               std::to_string(kCatalogueLines)};
    }
    return out;
}

} // namespace world
