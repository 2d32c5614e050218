#include "source.h"

#include <charconv>
#include <sstream>

namespace sounds {
namespace {

// A comment begins with a '#' at the start of a word; a '#' inside a word is a sharp.
std::size_t commentStart(const std::string& line) {
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t'))
            return i;
    return std::string::npos;
}

} // namespace

std::vector<SourceLine> sourceLines(const std::string& text) {
    std::vector<SourceLine> lines;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = line.substr(0, commentStart(line));
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            continue;
        const auto last = line.find_last_not_of(" \t\r");
        lines.push_back({number, line.substr(first, last - first + 1)});
    }
    return lines;
}

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> result;
    std::istringstream in(line);
    for (std::string w; in >> w;)
        result.push_back(w);
    return result;
}

double parseNumber(const std::string& word, const std::string& file, int line) {
    double value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end)
        throw SourceError(file, line, "'" + word + "' is not a number");
    return value;
}

int parseInteger(const std::string& word, const std::string& file, int line) {
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end)
        throw SourceError(file, line, "'" + word + "' is not a whole number");
    return value;
}

} // namespace sounds
