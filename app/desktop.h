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

// The game folder of a program in `programFolder`, by the rule of io::locateGameFolder:
// `installedRelative` (e.g. "../share/gravenhold") when it has a data/ folder, otherwise the
// program's own folder.
GameLocation locateGame(const QString& programFolder, const QString& installedRelative);

// The largest whole zoom (1, 2 or 3) at which a window with this client size and room for
// the menu bar and frame fits the available screen area.
int chooseZoom(QSize available, QSize client);

} // namespace shell
