#include "persist/saved_games.h"

#include "explore/new_game.h"
#include "io/files.h"
#include "io/saved_game.h"
#include "persist/loaded_values.h"
#include "render/controls.h"
#include "render/panel.h"
#include "scenes/opening.h"
#include "script/input_lock.h"
#include "sound/music.h"
#include "state/game.h"
#include "window/names.h"

#include <filesystem>
#include <span>
#include <string_view>
#include <system_error>

namespace persist {
namespace {

// Message line selectors: catalogue lines 242, 260 and 261.
constexpr std::int32_t kNoSavingData = 115; // "There is no saving data."
constexpr std::int32_t kLoadedTheData = 133;
constexpr std::int32_t kSavedTheData = 134;

constexpr const char* kRefused = "Donot use this save data.";
constexpr const char* kOverwrite = "Overwrite. Is it true?";

// Give slot n the only check mark of one of the two slot menus.
void checkSlot(game::Game& game, std::span<const std::string_view> menu, int slot) {
    for (std::size_t n = 0; n < menu.size(); ++n)
        render::checkMenu(game, menu[n], static_cast<int>(n) + 1 == slot);
}

bool musicChecked(const game::Game& game) {
    return game.options.music;
}

void showMessage(game::Game& game, std::int32_t selector) {
    game.messageSelector = selector;
    render::disp(game);
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace

ReadGame readSavedGame(const std::string& path) {
    const auto bytes = io::readBytes(path, io::kSaveBytes + 1);
    if (!bytes)
        return {};
    const auto loaded = io::fromImage(*bytes);
    if (!loaded || !io::isValid(loaded->status) || !validateLoadedValues(*loaded))
        return {Reading::Damaged, {}};
    return {Reading::Good, *loaded};
}

std::optional<std::string> writeScratchCopy(game::Game& game, const world::TowerMap& map,
                                            const world::Status& status) {
    const io::SaveImage image = io::toImage(map, status);
    auto error = io::writeBytes(io::slotPath(game.folders.save, io::kScratchSlot), image);
    game.persist.scratchWritten.assign(image.begin(), image.end());
    return error;
}

void writeScratch(game::Game& game) {
    if (const auto error = writeScratchCopy(game, game.map, game.status))
        game.platform().messageBox(*error);
}

void putInPlay(game::Game& game, const io::LoadedGame& loaded) {
    // The map, the status and its seven words are replaced in one piece.
    game.map = loaded.map;
    game.status = loaded.status;
    explore::syokidata2(game);
}

void loadwork(game::Game& game, const std::string& path) {
    if (musicChecked(game))
        sound::closeMusic(game);
    const ReadGame read = readSavedGame(path);
    switch (read.reading) {
    case Reading::Missing:
        showMessage(game, kNoSavingData);
        break;
    case Reading::Good:
        putInPlay(game, read.game);
        showMessage(game, kLoadedTheData);
        break;
    case Reading::Damaged:
        // The game in play was never touched; save0.dat still holds it as it was.
        game.platform().messageBox(kRefused);
        break;
    }
    sound::floorMusic(game);
}

void savework(game::Game& game, const std::string& path) {
    io::stampChecksums(game.status);
    if (fileExists(path) && !game.platform().askYesNo(kOverwrite))
        return;
    if (const auto error = io::writeGame(path, game.map, game.status)) {
        game.platform().messageBox(*error);
        return;
    }
    showMessage(game, kSavedTheData);
}

void loadSlot(game::Game& game, int slot) {
    // A load ends the opening as its last frame does, so that a slot that is empty or refused
    // leaves a new game on the normal game screen rather than the opening's picture.
    if (render::timerRunning(game, window::names::Timer4))
        scenes::endPrologue(game);
    script::itemdel(game);
    writeScratch(game);
    checkSlot(game, window::Menu::kLoadSlots, slot);
    loadwork(game, io::slotPath(game.folders.save, slot));
    script::itemlive(game);
    render::setTimerRunning(game, window::names::Timer1, true);
}

void saveSlot(game::Game& game, int slot) {
    script::itemdel(game);
    checkSlot(game, window::Menu::kSaveSlots, slot);
    savework(game, io::slotPath(game.folders.save, slot));
    script::itemlive(game);
}

} // namespace persist
