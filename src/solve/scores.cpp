#include "solve/scores.h"

#include "solve/player.h"

namespace solve {

std::vector<Rating> ratingsOf(const std::string& gameFolder,
                              const std::vector<std::string>& route) {
    using namespace world::Slot;
    Player player(gameFolder);
    const world::Status& s = player.game().status;
    std::vector<Rating> ratings;
    std::int32_t meetings = s[FairyMeetings];
    for (const std::string& line : route) {
        player.play(line);
        // She rates the hero as she meets him: what he holds then is what she counts.
        if (s[FairyMeetings] > meetings && s[LapLevel] == 0)
            ratings.push_back({s[Floor], s[Life], s[Offense], s[Defense], s[YellowKeys],
                               s[BlueKeys], s[RedKeys], s[FairyValuation]});
        meetings = s[FairyMeetings];
    }
    return ratings;
}

namespace {

std::string keysText(const Rating& r) {
    std::string text;
    auto add = [&](std::int32_t n, const char* colour) {
        if (n > 0)
            text += (text.empty() ? "" : ", ") + std::to_string(n) + " " + colour;
    };
    add(r.yellowKeys, "yellow");
    add(r.blueKeys, "blue");
    add(r.redKeys, "red");
    return text.empty() ? "0" : text;
}

} // namespace

std::string scoreTable(const std::vector<Rating>& ratings) {
    std::string text = "| checkpoint | life / offense / defense at the fairy | keys | points |\n"
                       "|---|---|---|---|\n";
    for (const Rating& r : ratings) {
        // The floor-25 fairy rates the late game.
        const std::string checkpoint =
            "floor " + std::to_string(r.floor) + (r.floor == 25 ? " (late game)" : "");
        text += "| " + checkpoint + " | " + std::to_string(r.life) + " / " +
                std::to_string(r.offense) + " / " + std::to_string(r.defense) + " | " +
                keysText(r) + " | " + std::to_string(r.points) + " |\n";
    }
    return text;
}

} // namespace solve
