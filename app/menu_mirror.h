// The model's menu as a real menu bar: one QMenu per sub-menu, one QAction per entry, with
// captions, access letters, short-cuts, check marks, enabled states and separators, kept up to
// date with the model after every event.
#pragma once

#include "event_sink.h"
#include "window/window_model.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <string>
#include <vector>

namespace shell {

class MenuMirror {
  public:
    // Build the menus of the window into the bar; a chosen entry goes to the sink by its path.
    // The short-cut of a top-level menu (Ctrl+G) opens that menu.
    MenuMirror(QMenuBar* bar, QWidget* shortcutHost, const window::Window& model, EventSink& sink);

    // Apply check marks, enabled states, visibility and captions from the model.
    void sync(const window::Window& model);

    // The action of an entry (a sub-menu's own action for a sub-menu), or nullptr.
    QAction* action(const std::string& path) const;

  private:
    // An entry's action and what was last applied to it, in the model's order.
    struct Entry {
        QAction* action = nullptr;
        window::MenuItem applied;
        bool fresh = true; // nothing applied yet
    };
    void apply(Entry& entry, const window::MenuItem& item);

    QMenuBar* bar_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
    std::vector<Entry> entries_;
};

} // namespace shell
