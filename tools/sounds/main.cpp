// gravenhold-sounds: build a sound effect (WAV) from its recipe or a music track (MIDI) from
// its score. A mistake in the source is reported with its file and line, and nothing is
// written.
#include "recipe.h"
#include "score.h"
#include "source.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error(path + ": cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Write through a temporary file, so that a failed build leaves no half-written file.
void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error(path + ": cannot be written");
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
        throw std::runtime_error(path + ": cannot be written");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 || (std::string(argv[1]) != "wav" && std::string(argv[1]) != "midi")) {
        std::cerr << "usage: gravenhold-sounds wav|midi SOURCE.txt OUTPUT\n";
        return 2;
    }
    const std::string kind = argv[1];
    const std::string source = argv[2];
    try {
        const std::string text = readFile(source);
        if (kind == "wav")
            writeFile(argv[3],
                      sounds::wavFile(sounds::synthesize(sounds::parseRecipe(text, source))));
        else
            writeFile(argv[3], sounds::midiFile(sounds::parseScore(text, source)));
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
