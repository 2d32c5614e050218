// The widget kinds the mirror needs beyond Qt's own: a picture control, and a button that
// reports press, click and release in the order the game expects.
#pragma once

#include "event_sink.h"
#include "picture/picture.h"

#include <QPushButton>
#include <QWidget>
#include <string>

namespace shell {

// An Image control: its picture stretched over the widget without smoothing; presses,
// releases and clicks go to the sink.
class PictureWidget : public QWidget {
  public:
    PictureWidget(QWidget* parent, EventSink& sink, std::string name);
    void setPicture(const render::Picture& picture);
    const render::Picture& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    EventSink& sink_;
    std::string name_;
    render::Picture picture_;
};

// The stone of a secondary window that has no picture of its own, under its controls: the
// panels' charcoal inside a raised edge one game pixel wide, with an ink line around it.
class StoneBackdrop : public QWidget {
  public:
    StoneBackdrop(QWidget* parent, int zoom);
    void setZoom(int zoom);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int zoom_;
};

// A Button or BitBtn: mouse down, then the click, then mouse up.
class ModelButton : public QPushButton {
  public:
    ModelButton(QWidget* parent, EventSink& sink, std::string name);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    EventSink& sink_;
    std::string name_;
};

} // namespace shell
