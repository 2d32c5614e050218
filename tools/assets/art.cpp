// Reading the text formats of data/art: source lines, words and the palette.
#include "art.h"

#include <fstream>

namespace assets {

std::vector<SourceLine> readSourceLines(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) {
        throw ArtError("cannot read " + file.string());
    }
    std::vector<SourceLine> lines;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        bool quoted = false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '"') {
                quoted = !quoted;
            } else if (text[i] == '#' && !quoted) {
                text.erase(i);
                break;
            }
        }
        while (!text.empty() &&
               (text.back() == ' ' || text.back() == '\r' || text.back() == '\t')) {
            text.pop_back();
        }
        const auto first = text.find_first_not_of(" \t");
        if (first == std::string::npos) {
            continue;
        }
        lines.push_back(
            {file.filename().string() + ":" + std::to_string(number), text.substr(first)});
    }
    return lines;
}

std::vector<std::string> splitWords(const std::string& text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
        } else if (text[i] == '"') {
            const auto end = text.find('"', i + 1);
            words.push_back(text.substr(i + 1, end - i - 1));
            i = end == std::string::npos ? text.size() : end + 1;
        } else {
            const auto end = text.find_first_of(" \t", i);
            words.push_back(text.substr(i, end - i));
            i = end == std::string::npos ? text.size() : end;
        }
    }
    return words;
}

void fail(const SourceLine& line, const std::string& complaint) {
    throw ArtError(line.place + ": " + complaint + " in \"" + line.text + "\"");
}

int toInt(const std::string& word, const SourceLine& line) {
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(word, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != word.size() || word.empty()) {
        fail(line, "expected a number, found '" + word + "'");
    }
    return value;
}

Palette Palette::load(const std::filesystem::path& file) {
    Palette palette;
    // '#' starts a comment, so colours are written as RRGGBB without it.
    for (const auto& line : readSourceLines(file)) {
        const auto words = splitWords(line.text);
        if (words.size() < 2 || words[0].size() != 1 || words[1].size() != 6) {
            fail(line, "expected KEY RRGGBB name");
        }
        const char key = words[0][0];
        if (key == '.' || palette.has(key)) {
            fail(line, "key reserved or used twice");
        }
        palette.colours_[key] = 0xff000000u | std::stoul(words[1], nullptr, 16);
    }
    return palette;
}

QRgb Palette::colour(char key, const SourceLine& user) const {
    const auto found = colours_.find(key);
    if (found == colours_.end()) {
        fail(user, std::string("unknown colour key '") + key + "'");
    }
    return found->second;
}

Art Art::load(const std::filesystem::path& folder) {
    Art art{folder, Palette::load(folder / "palette.txt"), {}};
    art.sprites = SpriteBook::load(folder / "sprites", art.palette);
    return art;
}

} // namespace assets
