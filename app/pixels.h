// Game pictures on Qt surfaces: a picture of the core seen as a QImage without copying, and
// painted at integer zoom without smoothing so pixel art stays sharp.
#pragma once

#include "picture/picture.h"

#include <QImage>
#include <QPainter>
#include <QRect>

namespace shell {

// A view of the picture's pixels (0x00RRGGBB is Qt's RGB32); valid while the picture lives.
inline QImage imageOf(const render::Picture& picture) {
    return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                  picture.height, picture.width * 4, QImage::Format_RGB32);
}

// Paint the picture stretched over target, taking the nearest pixel.
inline void paintPicture(QPainter& painter, const QRect& target, const render::Picture& picture) {
    if (picture.empty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, imageOf(picture));
}

} // namespace shell
