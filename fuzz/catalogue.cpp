// The message catalogue source file, parsed as the data compiler parses it.
#include "world/formats.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = world::parseCatalogue(text, "catalogue.txt");
    if (const auto* lines = std::get_if<std::vector<std::string>>(&parsed))
        if (lines->size() != world::kCatalogueLines)
            std::abort(); // a catalogue accepted with another number of lines
    return 0;
}
