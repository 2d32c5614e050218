// Where the mirrored widgets send what the player does: every click, press and release on a
// control and every chosen menu entry goes to the game through one sink.
#pragma once

#include <string>

namespace shell {

class EventSink {
  public:
    virtual ~EventSink() = default;
    // control is the model's name, prefixed with its window for secondary windows
    // ("About.OKButton").
    virtual void clicked(const std::string& control) = 0;
    virtual void pressed(const std::string& control) = 0;
    virtual void released(const std::string& control) = 0;
    virtual void menuChosen(const std::string& path) = 0;
    // A row of a list box was clicked (rows count from 0).
    virtual void rowChosen(const std::string& control, int row) = 0;
};

} // namespace shell
