// How large the game's pixels are drawn: the zoom at start, the limits of the zoom keys, the
// zoom of the full screen, and the zoom remembered between runs in the shell's own settings
// file (beside KRN10.INI, never in the game's option file).
#pragma once

#include <QSize>
#include <QString>

namespace shell {

// The zoom keys go no further than this.
constexpr int kLargestZoom = 8;

// What a window adds to its client's height on a desktop: menu bar, title bar and frame.
constexpr int kWindowDressing = 64;

// The largest whole zoom (1 to kLargestZoom) at which `client` with `dressing` screen pixels
// added to its height (menu bar, title bar, frame) fits `available`; 1 when none does.
int largestZoom(QSize available, QSize client, int dressing);

// The zoom at start: the command line's when given (above 0), else the remembered one when it
// fits the screen, else the largest of 1, 2 and 3 that fits (chooseZoom).
int startZoom(int fromCommandLine, int remembered, QSize available, QSize client);

// The remembered zoom of the window, kept in `file` (an INI file of the shell).
class ZoomMemory {
  public:
    explicit ZoomMemory(QString file) : file_(std::move(file)) {}
    // The zoom last kept, or 0 when there is none or the file is unreadable.
    int load() const;
    void save(int zoom) const;
    const QString& file() const { return file_; }

  private:
    QString file_;
};

// The shell's settings file in the game's configuration folder.
QString shellSettingsFile(const QString& configFolder);

} // namespace shell
