#include "QtFormObserver.h"

namespace quillan {

QtFormObserver::~QtFormObserver() {
    for (auto& [form, view] : m_views)
        delete view;
}

void QtFormObserver::formCreated(Form& form) {
    auto* view = new FormView(form);
    view->exposed = [this, &form](QWidget& window) {
        if (windowExposed)
            windowExposed(form, window);
    };
    m_views[&form] = view;
}

void QtFormObserver::formChanged(Form& form, FormProperty property) {
    auto it = m_views.find(&form);
    if (it == m_views.end())
        return;
    FormView* view = it->second;
    view->formChanged(property);
    if (property == FormProperty::Loaded && !form.loaded()) {
        // A handler of this window may still be running: the window goes once it has returned.
        m_views.erase(it);
        view->deleteLater();
    }
}

void QtFormObserver::controlChanged(Control& control, Property property) {
    auto it = m_views.find(&control.form());
    if (it != m_views.end())
        it->second->controlChanged(control, property);
}

FormView* QtFormObserver::view(const Form& form) const {
    auto it = m_views.find(&form);
    return it == m_views.end() ? nullptr : it->second;
}

} // namespace quillan
