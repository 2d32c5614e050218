// The game on the desktop: where its data lives, and how large its pixels are drawn.
#pragma once

#include <QSize>
#include <QString>

namespace shell {

// The folder that holds the game's data, and whether it is an installed copy.
struct GameLocation {
    QString folder;
    bool installed = false;
};

// An installed game keeps its data in `installedRelative` (relative to the program's folder,
// e.g. "../share/gravenhold") and has a data/ folder there; otherwise the game runs from a
// build tree and its data lies beside the program.
GameLocation locateGame(const QString& programFolder, const QString& installedRelative);

// The largest whole zoom (1, 2 or 3) at which a window with this client size and room for
// the menu bar and frame fits the available screen area.
int chooseZoom(QSize available, QSize client);

} // namespace shell
