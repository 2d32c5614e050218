#include "desktop.h"

#include "persist/folders.h"

namespace shell {
namespace {

constexpr int kLargestZoom = 3;
constexpr int kWindowDressing = 64; // menu bar, title bar and frame, in screen pixels

} // namespace

GameLocation locateGame(const QString& programFolder, const QString& installedRelative) {
    const persist::GameFolder found =
        persist::locateGameFolder(programFolder.toStdString(), installedRelative.toStdString());
    return {QString::fromStdString(found.folder), found.installed};
}

int chooseZoom(QSize available, QSize client) {
    for (int zoom = kLargestZoom; zoom > 1; --zoom)
        if (client.width() * zoom <= available.width() &&
            client.height() * zoom + kWindowDressing <= available.height())
            return zoom;
    return 1;
}

} // namespace shell
