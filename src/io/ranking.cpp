#include "io/ranking.h"

#include "io/files.h"
#include "world/little_endian.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace io {
namespace {

using namespace world::Slot;

// Sums wrap around at 32 bits, as the files were always written.
std::int32_t wrap(std::uint32_t v) {
    return static_cast<std::int32_t>(v);
}

// The plain and the alternating sum (even positions added, odd ones subtracted) of the first
// `count` cells of a row of the table or of a column, read through `cell`.
template <typename Cell> std::pair<std::int32_t, std::int32_t> sums(int count, Cell cell) {
    std::uint32_t sum = 0;
    std::uint32_t alternating = 0;
    for (int k = 0; k < count; ++k) {
        const auto v = static_cast<std::uint32_t>(cell(k));
        sum += v;
        alternating = (k % 2 == 0) ? alternating + v : alternating - v;
    }
    return {wrap(sum), wrap(alternating)};
}

// Row r's sum of its four values and its alternating sum of those and the row sum.
std::int32_t rowSum(const RankingTable& t, int r) {
    return sums(Column::RowSum, [&](int c) { return t.at(r, c); }).first;
}
std::int32_t rowAltSum(const RankingTable& t, int r) {
    return sums(Column::RowAltSum, [&](int c) { return t.at(r, c); }).second;
}
// Column c's sum of the ten places, and its alternating sum of those and the sum row.
std::int32_t columnSum(const RankingTable& t, int c) {
    return sums(kPlaces, [&](int r) { return t.at(r, c); }).first;
}
std::int32_t columnAltSum(const RankingTable& t, int c) {
    return sums(kAltSumRow, [&](int r) { return t.at(r, c); }).second;
}

bool sumsMatch(const RankingTable& t) {
    for (int r = 0; r < kPlaces; ++r)
        if (t.at(r, Column::RowSum) != rowSum(t, r) ||
            t.at(r, Column::RowAltSum) != rowAltSum(t, r))
            return false;
    for (int c = 0; c < kTableColumns; ++c)
        if (t.at(kSumRow, c) != columnSum(t, c))
            return false;
    for (int c = 0; c < Column::RowAltSum; ++c)
        if (t.at(kAltSumRow, c) != columnAltSum(t, c))
            return false;
    return true;
}

// The temporary ranking of a list: life and the equal offense and defense of place 1, and
// how much each place below has less.
struct TemporaryRows {
    std::int32_t life, lifeStep, stat, statStep;
};
constexpr std::array<TemporaryRows, kRankingLists> kTemporary = {{
    {500, 50, 25, 1},
    {1000, 100, 50, 5},
    {10000, 1000, 500, 50},
    {5000, 500, 200, 10},
    {10000, 1000, 500, 50},
}};
constexpr std::int32_t kTemporaryTopPoints = 100;
constexpr std::int32_t kTemporaryPointsStep = 10;

// What a checkpoint expects, per lap factor K: life hpBase * K counts one point per hpDiv;
// offense and defense count mul points per div above their base * K.
struct Expectation {
    std::int64_t base, mul, div;
    std::int64_t points(std::int64_t value, std::int64_t k) const {
        return mul * ((value - base * k) / div);
    }
};
struct Checkpoint {
    Expectation life, offense, defense;
};
constexpr std::array<Checkpoint, kRankingLists> kCheckpoints = {{
    {{400, 1, 50}, {29, 3, 1}, {35, 2, 1}},
    {{800, 1, 100}, {74, 2, 1}, {80, 1, 1}},
    {{3000, 1, 400}, {240, 1, 2}, {300, 1, 3}},
    {{1600, 1, 200}, {152, 1, 1}, {198, 1, 2}},
    {{3000, 1, 400}, {240, 1, 2}, {300, 1, 3}},
}};
constexpr std::int64_t kCheckpointBonus = 60;
constexpr std::array<std::int32_t, kRankingLists> kCheckpointFloors = {10, 20, 25, 40, 49};

std::size_t index(int list) {
    return static_cast<std::size_t>(list - 1);
}

std::string listFile(const std::string& folder, int list, const char* suffix) {
    return inFolder(folder, "option" + std::to_string(list) + suffix);
}

constexpr std::string_view kStampPrefix = "#table ";
constexpr std::size_t kStampDigits = 16;

bool isStamp(const std::string& line) {
    return line.size() == kStampPrefix.size() + kStampDigits && line.starts_with(kStampPrefix);
}

// The stamp line of a names file, when it has one.
std::optional<std::string> stampOf(const std::vector<std::string>& lines) {
    if (lines.size() > kPlaces && isStamp(lines[kPlaces]))
        return lines[kPlaces];
    return std::nullopt;
}

// The stamp of the table file as it is on disk (a missing file has the stamp of no bytes).
std::string tableFileStamp(const std::string& path) {
    const auto bytes = readBytes(path, kTableBytes + 1);
    return namesStamp(bytes ? std::span<const std::uint8_t>(*bytes)
                            : std::span<const std::uint8_t>());
}

} // namespace

// Finish a ranking write that stopped after the names were put in place: when the names are
// stamped for a table still waiting beside its file, that table goes in place now. What else
// waits beside the two files was left by writes that stopped before the names went in place:
// it is removed (every ranking write holds the folder's lock, so none of it is in use).
void finishInterruptedWrite(const std::string& saveFolder, int list) {
    const FolderLock lock(saveFolder);
    const auto lines = readLines(namesFile(saveFolder, list));
    const auto stamp = lines ? stampOf(*lines) : std::nullopt;
    const std::string table = tableFile(saveFolder, list);
    if (stamp && *stamp != tableFileStamp(table))
        for (const std::string& staged : stagedFiles(table))
            if (tableFileStamp(staged) == *stamp) {
                commitStaged(staged, table);
                break;
            }
    for (const std::string& path : {table, namesFile(saveFolder, list)})
        for (const std::string& staged : stagedFiles(path))
            discardStaged(staged);
}

namespace {

// True when nothing at all stands at the path (a file that is there but unusable is not that).
bool neverWritten(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    return status.type() == std::filesystem::file_type::not_found;
}

// A list a new player has never had: the temporary ranking becomes its table, with ten empty
// names, and is read as a good one. Nothing is said; should the write fail, the same happens
// again at the next read.
RankingRead firstTable(const std::string& saveFolder, int list) {
    RankingRead read;
    read.table = temporaryRanking(list);
    (void)writeRanking(saveFolder, list, read.table, RankingNames{});
    return read;
}

} // namespace

const char* checkMessage(TableCheck check) {
    switch (check) {
    case TableCheck::Unreadable:
        return "Version of Ranking data is old. Use a temporary Ranking.";
    case TableCheck::Abnormal:
        return "Ranking data is abnormal. Use a temporary Ranking.";
    case TableCheck::OtherVersion:
        return "Version of Ranking data is abnormal. Use a temporary Ranking.";
    case TableCheck::Good:
        break;
    }
    return "";
}

std::int32_t versionWord(int list) {
    return world::kSaveMarker * 100 - list;
}

std::array<std::uint8_t, kTableBytes> tableBytes(const RankingTable& table) {
    std::array<std::uint8_t, kTableBytes> bytes{};
    std::size_t at = 0;
    for (const auto& row : table.cells)
        for (const std::int32_t word : row) {
            world::writeLittleEndian(bytes, at, static_cast<std::uint32_t>(word), 4);
            at += 4;
        }
    return bytes;
}

std::optional<RankingTable> tableFromBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kTableBytes)
        return std::nullopt;
    RankingTable table;
    std::size_t at = 0;
    for (auto& row : table.cells)
        for (std::int32_t& word : row) {
            word = wrap(world::readLittleEndian(bytes, at, 4));
            at += 4;
        }
    return table;
}

void stampTable(RankingTable& table, int list) {
    for (int r = 0; r < kPlaces; ++r) {
        table.at(r, Column::RowSum) = rowSum(table, r);
        table.at(r, Column::RowAltSum) = rowAltSum(table, r);
    }
    for (int c = 0; c < kTableColumns; ++c)
        table.at(kSumRow, c) = columnSum(table, c);
    for (int c = 0; c < kTableColumns; ++c)
        table.at(kAltSumRow, c) = columnAltSum(table, c);
    table.at(kAltSumRow, Column::RowAltSum) = versionWord(list);
}

TableCheck checkTable(const RankingTable& table, int list) {
    if (!sumsMatch(table))
        return TableCheck::Abnormal;
    if (table.at(kAltSumRow, Column::RowAltSum) != versionWord(list))
        return TableCheck::OtherVersion;
    return TableCheck::Good;
}

RankingTable temporaryRanking(int list) {
    const TemporaryRows& t = kTemporary.at(index(list));
    RankingTable table;
    for (int k = 0; k < kPlaces; ++k) {
        table.at(k, Column::Points) = kTemporaryTopPoints - kTemporaryPointsStep * k;
        table.at(k, Column::Life) = t.life - t.lifeStep * k;
        table.at(k, Column::Offense) = t.stat - t.statStep * k;
        table.at(k, Column::Defense) = t.stat - t.statStep * k;
    }
    return table;
}

int placeFor(const RankingTable& table, std::int32_t points) {
    for (int place = 1; place <= kPlaces; ++place)
        if (table.points(place) < points)
            return place;
    return 0;
}

void enterPlace(RankingTable& table, RankingNames& names, int place, const std::string& name,
                const RankingEntry& entry) {
    const auto p = static_cast<std::size_t>(place - 1);
    std::move_backward(names.begin() + static_cast<std::ptrdiff_t>(p), names.end() - 1,
                       names.end());
    names[p] = name;
    for (int r = kPlaces - 1; r > place - 1; --r)
        for (int c = Column::Points; c <= Column::Defense; ++c)
            table.at(r, c) = table.at(r - 1, c);
    table.at(place - 1, Column::Points) = entry.points;
    table.at(place - 1, Column::Life) = entry.life;
    table.at(place - 1, Column::Offense) = entry.offense;
    table.at(place - 1, Column::Defense) = entry.defense;
}

int listOfFloor(std::int32_t floor) {
    const auto it = std::find(kCheckpointFloors.begin(), kCheckpointFloors.end(), floor);
    return it == kCheckpointFloors.end() ? 0 : static_cast<int>(it - kCheckpointFloors.begin()) + 1;
}

std::int32_t checkpointPoints(const world::Status& s, int list) {
    const Checkpoint& cp = kCheckpoints.at(index(list));
    const std::int64_t k = s.lapFactor();
    const std::int64_t keys =
        std::int64_t{s[YellowKeys]} + 2 * std::int64_t{s[BlueKeys]} + 3 * std::int64_t{s[RedKeys]};
    const std::int64_t points = cp.life.points(s[Life], k) + kCheckpointBonus +
                                cp.offense.points(s[Offense], k) +
                                cp.defense.points(s[Defense], k) + keys;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(points, 0, INT32_MAX));
}

std::string tableFile(const std::string& saveFolder, int list) {
    return listFile(saveFolder, list, ".dat");
}

std::string namesFile(const std::string& saveFolder, int list) {
    return listFile(saveFolder, list, "1.dat");
}

std::string namesStamp(std::span<const std::uint8_t> tableFileBytes) {
    // 64-bit FNV-1a over the file's bytes.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const std::uint8_t b : tableFileBytes)
        hash = (hash ^ b) * 0x100000001b3ULL;
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string stamp(kStampPrefix);
    for (int shift = 60; shift >= 0; shift -= 4)
        stamp += kDigits[(hash >> shift) & 0xF];
    return stamp;
}

RankingRead readTable(const std::string& saveFolder, int list) {
    finishInterruptedWrite(saveFolder, list);
    if (neverWritten(tableFile(saveFolder, list)))
        return firstTable(saveFolder, list);
    const auto bytes = readBytes(tableFile(saveFolder, list), kTableBytes);
    const auto table = bytes ? tableFromBytes(*bytes) : std::nullopt;
    RankingRead read;
    read.check = table ? checkTable(*table, list) : TableCheck::Unreadable;
    read.table = read.check == TableCheck::Good ? *table : temporaryRanking(list);
    return read;
}

RankingNames readNames(const std::string& saveFolder, int list) {
    finishInterruptedWrite(saveFolder, list);
    RankingNames names;
    const auto lines = readLines(namesFile(saveFolder, list));
    if (!lines)
        return names;
    const auto stamp = stampOf(*lines);
    if (stamp && *stamp != tableFileStamp(tableFile(saveFolder, list)))
        return names;
    std::copy_n(lines->begin(), std::min<std::size_t>(lines->size(), kPlaces), names.begin());
    return names;
}

std::optional<std::string> writeRanking(const std::string& saveFolder, int list,
                                        RankingTable& table, const RankingNames& names) {
    const FolderLock lock(saveFolder);
    finishInterruptedWrite(saveFolder, list);
    stampTable(table, list);
    const auto bytes = tableBytes(table);
    std::vector<std::string> lines(names.begin(), names.end());
    lines.push_back(namesStamp(bytes));
    const std::string text = joinLines(lines);
    const std::string tablePath = tableFile(saveFolder, list);
    const std::string namesPath = namesFile(saveFolder, list);
    std::string stagedTable;
    std::string stagedNames;
    if (auto error = stageBytes(tablePath, bytes, stagedTable))
        return error;
    if (auto error = stageBytes(
            namesPath, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
            stagedNames)) {
        discardStaged(stagedTable);
        return error;
    }
    auto error = commitStaged(stagedNames, namesPath);
    if (error && ::access(stagedNames.c_str(), F_OK) == 0) {
        // The names never went in place: both files stay as they were.
        discardStaged(stagedNames);
        discardStaged(stagedTable);
        return error;
    }
    // From here on the new names stand; a table that fails to go in place now still waits
    // beside its file and goes in place at the next read.
    auto tableError = commitStaged(stagedTable, tablePath);
    return error ? error : tableError;
}

std::optional<std::string> saveList(const std::string& saveFolder, int list,
                                    const RankingList& seen, RankingList& shown,
                                    const std::optional<NewEntry>& entered) {
    const FolderLock lock(saveFolder);
    RankingList now{readTable(saveFolder, list).table, readNames(saveFolder, list)};
    if (now.table.cells != seen.table.cells || now.names != seen.names) {
        // Another copy of the game saved this list since it was read: its entries stay, and
        // the new one takes the place its points earn among them.
        if (entered) {
            const int place = placeFor(now.table, entered->entry.points);
            if (place > 0)
                enterPlace(now.table, now.names, place, entered->name, entered->entry);
        }
        shown = std::move(now);
    }
    return writeRanking(saveFolder, list, shown.table, shown.names);
}

} // namespace io
