#include "sound/tables.h"

#include <algorithm>

namespace sound {
namespace {

// The floor ranges of the music: the first floor of each range and its track.
struct FloorRange {
    std::int32_t first;
    int track;
};
constexpr FloorRange kFloorRanges[] = {{50, 10}, {41, 9}, {31, 8}, {21, 17}, {11, 6}, {1, 5}};

} // namespace

std::string_view effectFile(int effect) {
    const auto it = std::find_if(kEffects.begin(), kEffects.end(),
                                 [&](const EffectFile& e) { return e.effect == effect; });
    return it == kEffects.end() ? std::string_view{} : it->file;
}

int effectPlayer(std::string_view file) {
    const auto it = std::find_if(kEffects.begin(), kEffects.end(),
                                 [&](const EffectFile& e) { return e.file == file; });
    return it == kEffects.end() ? kOneShotPlayer : it->player;
}

std::string_view trackFile(int track) {
    const auto it = std::find_if(kTracks.begin(), kTracks.end(),
                                 [&](const TrackFile& t) { return t.track == track; });
    return it == kTracks.end() ? std::string_view{} : it->file;
}

int floorTrack(std::int32_t floor) {
    if (floor > 50)
        return 0;
    for (const FloorRange& range : kFloorRanges)
        if (floor >= range.first)
            return range.track;
    return 0;
}

} // namespace sound
