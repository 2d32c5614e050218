#include "widgets.h"

#include "pixels.h"
#include "skin.h"

#include <QMouseEvent>
#include <QPainter>

namespace shell {

PictureWidget::PictureWidget(QWidget* parent, EventSink& sink, std::string name)
    : QWidget(parent), sink_(sink), name_(std::move(name)) {}

void PictureWidget::setPicture(const render::Picture& picture) {
    picture_ = picture;
    update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPicture(painter, rect(), picture_);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        sink_.pressed(name_);
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    if (inside)
        sink_.clicked(name_);
    sink_.released(name_);
}

StoneBackdrop::StoneBackdrop(QWidget* parent, int zoom) : QWidget(parent), zoom_(zoom) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setZoom(zoom);
}

void StoneBackdrop::setZoom(int zoom) {
    zoom_ = zoom;
    setGeometry(parentWidget()->rect());
    lower();
    update();
}

void StoneBackdrop::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int z = zoom_;
    const QRect all = rect();
    painter.fillRect(all, skin::kInk);
    const QRect edge = all.adjusted(z, z, -z, -z);
    painter.fillRect(edge, skin::kWallMortar);
    painter.fillRect(edge.adjusted(0, 0, -z, -z), skin::kWallEdge);
    painter.fillRect(edge.adjusted(z, z, -z, -z), skin::kCharcoal);
}

ModelButton::ModelButton(QWidget* parent, EventSink& sink, std::string name)
    : QPushButton(parent), sink_(sink), name_(std::move(name)) {
    connect(this, &QPushButton::clicked, this, [this] { sink_.clicked(name_); });
}

void ModelButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        sink_.pressed(name_);
    QPushButton::mousePressEvent(event);
}

void ModelButton::mouseReleaseEvent(QMouseEvent* event) {
    QPushButton::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        sink_.released(name_);
}

} // namespace shell
