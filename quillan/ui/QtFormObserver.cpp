#include "QtFormObserver.h"

namespace quillan {

QtFormObserver::~QtFormObserver() {
    for (auto& [form, window] : m_windows) {
        delete window.view;
        delete window.timers;
    }
}

void QtFormObserver::formCreated(Form& form) {
    m_windows[&form] = Window{form.height(), nullptr, new FormTimers(form)};
}

FormView& QtFormObserver::build(Form& form, Window& window) {
    window.view = new FormView(form, window.designHeight);
    window.view->exposed = [this, &form](QWidget& shown) {
        if (windowExposed)
            windowExposed(form, shown);
    };
    return *window.view;
}

void QtFormObserver::formChanged(Form& form, FormProperty property) {
    auto it = m_windows.find(&form);
    if (it == m_windows.end())
        return;
    Window& window = it->second;
    const bool needsWindow =
        (property == FormProperty::Visible && form.visible()) || property == FormProperty::PopupMenu;
    if (!window.view && needsWindow)
        build(form, window);
    if (FormView* view = window.view)
        view->formChanged(property);
    if (property == FormProperty::Loaded && !form.loaded()) {
        // A handler of this window may still be running: the window goes once it has returned.
        if (window.view)
            window.view->deleteLater();
        window.timers->deleteLater();
        m_windows.erase(it);
    }
}

void QtFormObserver::controlChanged(Control& control, Property property) {
    // A window not built yet takes every control as it is once it is.
    auto it = m_windows.find(&control.form());
    if (it == m_windows.end())
        return;
    it->second.timers->controlChanged(control, property);
    if (it->second.view)
        it->second.view->controlChanged(control, property);
}

FormView* QtFormObserver::view(const Form& form) const {
    auto it = m_windows.find(&form);
    return it == m_windows.end() ? nullptr : it->second.view;
}

} // namespace quillan
