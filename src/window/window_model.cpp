#include "window/window_model.h"

#include "window/names.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace window {

int ControlIndex::find(const std::vector<Control>& controls, std::string_view name) {
    if (indexed_ != controls.size()) {
        positions_.clear();
        for (std::size_t i = 0; i < controls.size(); ++i)
            positions_.emplace(controls[i].name, static_cast<int>(i));
        indexed_ = controls.size();
        recent_.fill({});
    }
    // The same text asked for again, and still the name of the control found for it then.
    Recent& recent = recent_[(reinterpret_cast<std::uintptr_t>(name.data()) >> 3) % recent_.size()];
    if (recent.text == name.data() && recent.position >= 0 &&
        controls[static_cast<std::size_t>(recent.position)].name == name)
        return recent.position;
    const auto it = positions_.find(name);
    if (it == positions_.end())
        return -1;
    // A control renamed since the index was built: index again, once.
    if (controls[static_cast<std::size_t>(it->second)].name != name) {
        indexed_ = controls.size() + 1;
        return find(controls, name);
    }
    recent = {name.data(), it->second};
    return it->second;
}

Control* Window::find(std::string_view controlName) {
    const int at = index.find(controls, controlName);
    return at < 0 ? nullptr : &controls[static_cast<std::size_t>(at)];
}

const Control* Window::find(std::string_view controlName) const {
    return const_cast<Window*>(this)->find(controlName);
}

Control& Window::control(std::string_view controlName) {
    return const_cast<Control&>(std::as_const(*this).control(controlName));
}

const Control& Window::control(std::string_view controlName) const {
    if (const Control* c = find(controlName))
        return *c;
    throw std::out_of_range("no control " + std::string(controlName) + " in window " + name);
}

MenuItem* Window::findMenu(std::string_view path) {
    const auto it =
        std::find_if(menu.begin(), menu.end(), [&](const MenuItem& m) { return m.path == path; });
    return it == menu.end() ? nullptr : &*it;
}

const MenuItem* Window::findMenu(std::string_view path) const {
    return const_cast<Window*>(this)->findMenu(path);
}

MenuItem& Window::menuItem(std::string_view path) {
    return const_cast<MenuItem&>(std::as_const(*this).menuItem(path));
}

const MenuItem& Window::menuItem(std::string_view path) const {
    if (const MenuItem* m = findMenu(path))
        return *m;
    throw std::out_of_range("no menu entry " + std::string(path));
}

Timer* WindowModel::findTimer(std::string_view timerName) {
    return const_cast<Timer*>(std::as_const(*this).findTimer(timerName));
}

const Timer* WindowModel::findTimer(std::string_view timerName) const {
    const auto it = std::find_if(timers.begin(), timers.end(),
                                 [&](const Timer& t) { return t.name == timerName; });
    return it == timers.end() ? nullptr : &*it;
}

Timer& WindowModel::timer(std::string_view timerName) {
    return const_cast<Timer&>(std::as_const(*this).timer(timerName));
}

const Timer& WindowModel::timer(std::string_view timerName) const {
    if (const Timer* t = findTimer(timerName))
        return *t;
    throw std::out_of_range("no timer " + std::string(timerName));
}

Window* WindowModel::findWindow(std::string_view windowName) {
    if (windowName.empty() || windowName == window::names::Main)
        return &main;
    const auto it = secondary.find(windowName);
    return it == secondary.end() ? nullptr : &it->second;
}

const Window* WindowModel::findWindow(std::string_view windowName) const {
    return const_cast<WindowModel*>(this)->findWindow(windowName);
}

} // namespace window
