#include "window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace shell {

QPoint centredInside(QRect available, QRect around, QSize frameSize) {
    QPoint at = around.center() - QPoint(frameSize.width() / 2, frameSize.height() / 2);
    at.setX(std::max(available.left(),
                     std::min(at.x(), available.left() + available.width() - frameSize.width())));
    at.setY(std::max(available.top(),
                     std::min(at.y(), available.top() + available.height() - frameSize.height())));
    return at;
}

QMargins frameOf(const QWidget& window, const QWidget* like) {
    const QWidget* shown = window.isVisible() ? &window : like;
    if (!shown || !shown->isVisible())
        return {};
    const QRect frame = shown->frameGeometry();
    const QRect client = shown->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

void placeFrame(QWidget& window, QPoint topLeft) {
    // The frame's corner, not the client's: the window manager puts its title bar there too.
    window.winId(); // the window handle exists from here on
    window.windowHandle()->setFramePosition(topLeft);
}

void placeCentredOn(QWidget& window, const QWidget& owner) {
    const QScreen* screen = owner.screen() ? owner.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins frame = frameOf(window, &owner);
    const QSize frameSize = window.size().grownBy(frame);
    placeFrame(window,
               centredInside(screen->availableGeometry(), owner.frameGeometry(), frameSize));
}

} // namespace shell
