#include "io/saved_game.h"

#include "io/files.h"

#include <algorithm>

namespace io {

Checksums checksums(const world::Status& status) {
    std::uint32_t sum = 0;
    std::uint32_t alternating = 0;
    for (int n = 0; n < world::kStatusSlots; ++n) {
        const auto v = static_cast<std::uint32_t>(status[n]);
        sum += v;
        alternating = (n % 2 == 0) ? alternating + v : alternating - v;
    }
    return {static_cast<std::int32_t>(sum), static_cast<std::int32_t>(alternating)};
}

void stampChecksums(world::Status& status) {
    const Checksums c = checksums(status);
    status[world::Slot::Checksum] = c.sum;
    status[world::Slot::AltChecksum] = c.alternating;
}

SaveImage toImage(const world::TowerMap& map, const world::Status& status) {
    SaveImage image{};
    std::copy(map.bytes.begin(), map.bytes.end(), image.begin());
    const auto block = status.toBytes();
    std::copy(block.begin(), block.end(), image.begin() + world::kTowerBytes);
    return image;
}

std::optional<LoadedGame> fromImage(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kSaveBytes)
        return std::nullopt;
    LoadedGame g;
    std::copy_n(bytes.begin(), world::kTowerBytes, g.map.bytes.begin());
    g.status = world::Status::fromBytes(
        bytes.subspan(world::kTowerBytes).first<world::kStatusBlockBytes>());
    return g;
}

bool isValid(const world::Status& status) {
    const Checksums c = checksums(status);
    return status[world::Slot::SaveMarker] == world::kSaveMarker &&
           status[world::Slot::Checksum] == c.sum &&
           status[world::Slot::AltChecksum] == c.alternating;
}

std::string slotPath(const std::string& saveFolder, int slot) {
    return inFolder(saveFolder, "save" + std::to_string(slot) + ".dat");
}

std::optional<std::string> writeGame(const std::string& path, const world::TowerMap& map,
                                     const world::Status& status) {
    return writeBytes(path, toImage(map, status));
}

} // namespace io
