#include "window/window_model.h"

#include "window/names.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace window {

Control* Window::find(std::string_view controlName) {
    const auto it = std::find_if(controls.begin(), controls.end(),
                                 [&](const Control& c) { return c.name == controlName; });
    return it == controls.end() ? nullptr : &*it;
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
