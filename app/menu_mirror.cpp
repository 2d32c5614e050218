#include "menu_mirror.h"

#include <QShortcut>

namespace shell {
namespace {

std::string parentPath(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace

MenuMirror::MenuMirror(QMenuBar* bar, QWidget* shortcutHost, const window::Window& model,
                       EventSink& sink)
    : bar_(bar) {
    for (const window::MenuItem& item : model.menu) {
        const QString caption = QString::fromStdString(item.caption);
        const std::string parent = parentPath(item.path);
        QMenu* parentMenu = parent.empty() ? nullptr : menus_.at(parent);
        QAction* action = nullptr;
        if (item.isSubmenu) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : bar_->addMenu(caption);
            menus_[item.path] = menu;
            action = menu->menuAction();
            if (!parentMenu && !item.shortcut.empty()) {
                auto* opener = new QShortcut(QKeySequence(QString::fromStdString(item.shortcut)),
                                             shortcutHost);
                QObject::connect(opener, &QShortcut::activated, bar_, [this, action] {
                    if (action->isEnabled())
                        bar_->setActiveAction(action);
                });
            }
        } else {
            action = parentMenu->addAction(caption);
            action->setShortcuts(
                QKeySequence::listFromString(QString::fromStdString(item.shortcut)));
            QObject::connect(action, &QAction::triggered, bar_,
                             [&sink, path = item.path] { sink.menuChosen(path); });
        }
        action->setObjectName(QString::fromStdString(item.path));
        if (item.separatorAfter && parentMenu)
            parentMenu->addSeparator();
        actions_[item.path] = action;
        entries_.push_back({action, item});
    }
    sync(model);
}

// Most events change no menu entry: an entry is touched only where the model moved on.
void MenuMirror::sync(const window::Window& model) {
    for (std::size_t i = 0; i < model.menu.size(); ++i) {
        const window::MenuItem& item = model.menu[i];
        if (i < entries_.size() && entries_[i].applied.path == item.path) {
            apply(entries_[i], item);
            continue;
        }
        for (Entry& entry : entries_)
            if (entry.applied.path == item.path)
                apply(entry, item);
    }
}

void MenuMirror::apply(Entry& entry, const window::MenuItem& item) {
    window::MenuItem& old = entry.applied;
    QAction* action = entry.action;
    // A click flips a checkable entry's mark by itself: the game's word is put back even when
    // the model did not change.
    if (!entry.fresh && old.caption == item.caption && old.checked == item.checked &&
        old.enabled == item.enabled && old.visible == item.visible &&
        action->isChecked() == item.checked)
        return;
    if (entry.fresh || old.caption != item.caption)
        action->setText(QString::fromStdString(item.caption));
    if (!item.isSubmenu) {
        // Only a checked entry is checkable, so unchecked entries show no empty box.
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
    }
    action->setEnabled(item.enabled);
    action->setVisible(item.visible);
    old = item;
    entry.fresh = false;
}

QAction* MenuMirror::action(const std::string& path) const {
    const auto it = actions_.find(path);
    return it == actions_.end() ? nullptr : it->second;
}

} // namespace shell
