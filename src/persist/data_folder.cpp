#include "persist/data_folder.h"

#include "io/files.h"
#include "io/folders.h"
#include "io/ranking.h"
#include "io/settings_file.h"
#include "render/controls.h"
#include "state/game.h"
#include "window/names.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace persist {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDataFolderWindow = window::names::DataFolder;
namespace datafolder = window::names::datafolder;
constexpr std::string_view kFolderField = datafolder::Edit1;
constexpr std::string_view kPlaceList = datafolder::DriveComboBox1;
constexpr std::string_view kTree = datafolder::DirectoryListBox1;
constexpr std::string_view kFiles = datafolder::FileListBox1;
constexpr std::string_view kOkButton = datafolder::Button1;
// The controls that take the dialog font size: the title line and the buttons.
constexpr std::string_view kLargeFontControls[] = {datafolder::Label1, datafolder::Button1,
                                                   datafolder::Button2, datafolder::Button3};

constexpr const char* kMakeCaption = "Make Directory";
constexpr const char* kMakePrompt = "Please, input the name of directory";

constexpr int kIndent = 2; // spaces per level of the tree

DataFolderState& state(game::Game& game) {
    return game.persist.dataFolder;
}

std::string joined(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows)
        text += (text.empty() ? "" : "\n") + row;
    return text;
}

bool isFolder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// The names of the entries of a folder that pass a test on their status, in name order.
template <typename Test> std::vector<std::string> entries(const std::string& folder, Test test) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error),
         end;
         !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (test(it->status(ignored)))
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Choose a folder: the field, the tree and the file list follow it.
void choose(game::Game& game, const std::string& folder) {
    DataFolderState& s = state(game);
    s.chosen = plainFolder(folder);
    render::setWindowText(game, kDataFolderWindow, kFolderField, s.chosen);
    s.folders.clear();
    std::vector<std::string> texts;
    for (FolderRow& row : folderTree(s.chosen)) {
        s.folders.push_back(std::move(row.folder));
        texts.push_back(std::move(row.text));
    }
    render::setWindowText(game, kDataFolderWindow, kTree, joined(texts));
    render::setWindowText(game, kDataFolderWindow, kFiles, joined(filesIn(s.chosen)));
}

// The file system's root and the home folder.
std::vector<std::string> places() {
    std::vector<std::string> rows = {"/"};
    const std::string home = io::processEnvironment().home;
    if (!home.empty() && plainFolder(home) != "/")
        rows.push_back(plainFolder(home));
    return rows;
}

// The three settings lines as KRN10.INI holds them now; the lines in memory stand in for a
// file that cannot be read or lacks lines.
std::array<std::string, 3> settingsNow(game::Game& game) {
    std::array<std::string, 3> lines = {game.folders.save, game.folders.game, ""};
    const std::vector<std::string>& held = game.shell.settings.lines;
    std::copy_n(held.begin(), std::min(held.size(), lines.size()), lines.begin());
    const auto file = io::readLines(io::inFolder(game.folders.config, io::kSettingsFile));
    if (file)
        std::copy_n(file->begin(), std::min(file->size(), lines.size()), lines.begin());
    return lines;
}

// True when a folder's path holds a line break or another control character: KRN10.INI keeps
// one folder a line, and such a name would not come back as it went in.
bool isControl(char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    return byte < 0x20 || byte == 0x7F;
}
bool hasControlCharacter(const std::string& folder) {
    return std::any_of(folder.begin(), folder.end(), isControl);
}

// The refusal, with every control character shown as "?".
std::string controlCharacterRefusal(const std::string& folder) {
    std::string shown = folder;
    std::replace_if(shown.begin(), shown.end(), isControl, '?');
    return "Cannot use the directory " + shown +
           ": its name holds a line break or another control character.";
}

} // namespace

std::string plainFolder(const std::string& folder) {
    std::error_code error;
    fs::path path = fs::absolute(folder, error).lexically_normal();
    std::string text = path.string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

std::vector<FolderRow> folderTree(const std::string& chosen) {
    std::vector<FolderRow> rows;
    fs::path path;
    int depth = 0;
    for (const fs::path& step : fs::path(chosen)) {
        if (step.empty())
            continue;
        path /= step;
        const std::string name = step.string();
        const std::string indent(static_cast<std::size_t>(kIndent * depth), ' ');
        rows.push_back({path.string(), indent + name + (name == "/" ? "" : "/")});
        ++depth;
    }
    const std::string indent(static_cast<std::size_t>(kIndent * depth), ' ');
    for (const std::string& name :
         entries(chosen, [](const fs::file_status& s) { return fs::is_directory(s); }))
        rows.push_back({(path / name).string(), indent + name});
    return rows;
}

std::vector<std::string> filesIn(const std::string& folder) {
    return entries(folder, [](const fs::file_status& s) { return fs::is_regular_file(s); });
}

std::optional<std::string> copyDataFiles(const std::string& from, const std::string& to) {
    // Both folders stay locked while the files go across (in one order, so that two copies
    // of the game never wait for each other), and a ranking write that stopped half-way is
    // finished first: a list's table and names go across as a pair that belongs together.
    const std::string plainFrom = plainFolder(from);
    const std::string plainTo = plainFolder(to);
    const bool fromFirst = plainFrom < plainTo;
    const io::FolderLock lockFirst(fromFirst ? plainFrom : plainTo);
    const io::FolderLock lockSecond(fromFirst ? plainTo : plainFrom);
    for (int list = 1; list <= io::kRankingLists; ++list)
        io::finishInterruptedWrite(from, list);
    for (const char* name : io::kDataFiles) {
        const std::string source = io::inFolder(from, name);
        std::error_code error;
        if (!fs::exists(source, error))
            continue; // nothing of this kind was ever saved there
        if (auto failure = io::copyFileDurably(source, io::inFolder(to, name)))
            return failure;
    }
    return std::nullopt;
}

void K6Click(game::Game& game) {
    DataFolderState& s = state(game);
    // The dialogue size for the title and the buttons, the small size for the field and lists.
    render::setWindowFonts(game, kDataFolderWindow, kLargeFontControls);
    s.places = places();
    render::setWindowText(game, kDataFolderWindow, kPlaceList, joined(s.places));
    choose(game, settingsNow(game)[0]);
    render::showWindow(game, kDataFolderWindow, true);
    render::focusInWindow(game, kDataFolderWindow, kOkButton);
}

void DriveComboBox1Change(game::Game& game, int row) {
    const DataFolderState& s = state(game);
    if (row >= 0 && static_cast<std::size_t>(row) < s.places.size())
        choose(game, s.places[static_cast<std::size_t>(row)]);
}

void DirectoryListBox1Change(game::Game& game, int row) {
    const DataFolderState& s = state(game);
    if (row >= 0 && static_cast<std::size_t>(row) < s.folders.size())
        choose(game, s.folders[static_cast<std::size_t>(row)]);
}

void makeDirectoryClick(game::Game& game) {
    const std::string chosen = state(game).chosen;
    const auto answer =
        game.platform().askText(kMakeCaption, kMakePrompt, io::inFolder(chosen, ""));
    if (!answer || answer->empty())
        return;
    const std::string folder = plainFolder((fs::path(chosen) / *answer).string());
    if (hasControlCharacter(folder))
        game.platform().messageBox(controlCharacterRefusal(folder));
    else if (io::ensureFolder(folder))
        choose(game, folder);
    else
        game.platform().messageBox("Cannot make the directory " + folder + ".");
}

void dataFolderOkClick(game::Game& game) {
    const std::string chosen = state(game).chosen;
    const std::array<std::string, 3> kept = settingsNow(game);
    if (hasControlCharacter(chosen)) {
        game.platform().messageBox(controlCharacterRefusal(chosen));
        return;
    }
    if (!isFolder(chosen) || !io::isWritableFolder(chosen)) {
        game.platform().messageBox("Cannot write in the directory " + chosen + ".");
        return;
    }
    if (const auto error = copyDataFiles(kept[0], chosen)) {
        game.platform().messageBox(*error);
        return;
    }
    const std::vector<std::string> lines = {chosen, kept[1], kept[2]};
    io::ensureFolder(game.folders.config);
    if (const auto error =
            io::writeLines(io::inFolder(game.folders.config, io::kSettingsFile), lines)) {
        game.platform().messageBox(*error);
        return;
    }
    game.shell.settings.lines = lines;
    game.shell.settings.shortText = kept[2].substr(0, io::kShortTextLength);
    game.folders.save = chosen;
    render::showWindow(game, kDataFolderWindow, false);
}

void dataFolderCancel(game::Game& game) {
    render::showWindow(game, kDataFolderWindow, false);
}

} // namespace persist
