#include "window_zoom.h"

#include "desktop.h"

#include <QDir>
#include <QSettings>
#include <algorithm>

namespace shell {
namespace {

const QString kZoomKey = QStringLiteral("window/zoom");

} // namespace

int largestZoom(QSize available, QSize client, int dressing) {
    for (int zoom = kLargestZoom; zoom > 1; --zoom)
        if (client.width() * zoom <= available.width() &&
            client.height() * zoom + dressing <= available.height())
            return zoom;
    return 1;
}

int startZoom(int fromCommandLine, int remembered, QSize available, QSize client) {
    if (fromCommandLine > 0)
        return std::min(fromCommandLine, kLargestZoom);
    if (remembered > 0 && remembered <= largestZoom(available, client, kWindowDressing))
        return remembered;
    return chooseZoom(available, client);
}

int ZoomMemory::load() const {
    const QSettings settings(file_, QSettings::IniFormat);
    bool ok = false;
    const int zoom = settings.value(kZoomKey).toInt(&ok);
    return ok && zoom >= 1 && zoom <= kLargestZoom ? zoom : 0;
}

void ZoomMemory::save(int zoom) const {
    QSettings settings(file_, QSettings::IniFormat);
    settings.setValue(kZoomKey, zoom);
}

QString shellSettingsFile(const QString& configFolder) {
    return QDir(configFolder).filePath(QStringLiteral("shell.ini"));
}

} // namespace shell
