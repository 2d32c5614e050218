// The controls of one model window as real widgets: one widget per control, by kind, placed at
// integer zoom, and brought up to date with the model after every event.
#pragma once

#include "event_sink.h"
#include "skin.h"
#include "window/window_model.h"

#include <QColor>
#include <QRect>
#include <QWidget>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace shell {

class ControlMirror {
  public:
    // Widgets for every control of the window except those in `drawnOnScreen` (controls that
    // the game paints into the window's screen picture), as children of host. Names sent to
    // the sink carry `prefix` ("About." for the About box, "" for the main window).
    ControlMirror(QWidget* host, const window::Window& model, int zoom, EventSink& sink,
                  std::string prefix, const std::set<std::string>& drawnOnScreen = {});

    // Apply what changed in the model since the last call (everything on the first call).
    void sync(const window::Window& model);

    // Controls that stand in wells painted by the window's pictures: drawn without a border of
    // their own, filling their well exactly.
    void setOnPlates(std::set<std::string> names);

    // What the shell adds to some controls' look: a text colour in place of the model's (the
    // Orb of Hero's forecasts), room at the left for a picture (the speaker's face beside the
    // dialogue box's text), no drawing at all (the list's empty rows). A control left out looks as
    // the model says. Applied at the next sync.
    struct Accent {
        std::optional<QColor> text;
        int indent = 0;    // game pixels
        bool bare = false; // no well, no frame: an empty row of a list
        bool operator==(const Accent&) const = default;
    };
    void setAccents(std::map<std::string, Accent> accents);

    // Place and size every control at this zoom at the next sync.
    void setZoom(int zoom);

    // While a picture covers `area` (window pixels), the controls lying inside it are kept out
    // of sight at the next sync, whatever the model says; std::nullopt shows them as it says.
    void setCover(std::optional<QRect> area);

    // The widget of a control, or nullptr.
    QWidget* widget(const std::string& control) const;

  private:
    struct Mirrored {
        std::string name;
        QWidget* widget = nullptr;
        window::Control applied; // the state last applied to the widget
        bool fresh = true;       // nothing applied yet (or the zoom changed)
        bool hidden = false;     // kept out of sight under a covering picture
        std::size_t index = 0;   // where the control stood in the model's list last time
    };

    QWidget* makeWidget(QWidget* parent, const window::Control& control);
    void apply(Mirrored& m, const window::Control& control);

    bool covered(const window::Control& control) const;

    QWidget* host_;
    int zoom_;
    std::optional<QRect> cover_;
    std::set<std::string> onPlates_;
    std::map<std::string, Accent> accents_;
    EventSink& sink_;
    std::string prefix_;
    std::vector<Mirrored> mirrored_;
};

// The pixel font's role for a kind of control: the memos hold figures and short names.
skin::Role fontRole(window::ControlKind kind);

// The pixel size of a control's font at a zoom (0 means the window's default size): the pixel
// font's design for the control's size and kind, times the zoom.
int fontPixels(int fontSize, int zoom, window::ControlKind kind = window::ControlKind::Edit);

} // namespace shell
