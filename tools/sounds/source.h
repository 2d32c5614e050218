// Reading the sound and music sources: their lines, words and numbers, and the mistakes
// they can hold, reported with file and line.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace sounds {

class SourceError : public std::runtime_error {
  public:
    SourceError(const std::string& file, int line, const std::string& what)
        : std::runtime_error(file + ":" + std::to_string(line) + ": " + what), line_(line) {}
    int line() const { return line_; }

  private:
    int line_;
};

// The lines of a source without comments (from a '#' that starts a word to the end of the
// line) and surrounding blanks, numbered from 1; empty lines are left out.
struct SourceLine {
    int number;
    std::string text;
};
std::vector<SourceLine> sourceLines(const std::string& text);

// The words of a line, split at blanks.
std::vector<std::string> words(const std::string& line);

// A number of a source: the whole word must be a number.
double parseNumber(const std::string& word, const std::string& file, int line);
int parseInteger(const std::string& word, const std::string& file, int line);

} // namespace sounds
