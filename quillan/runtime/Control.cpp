#include "Control.h"

#include "Form.h"
#include "TabControl.h"

namespace quillan {

Control::Control(Form& form, std::string name, Control* container, int page)
    : m_form(form), m_name(std::move(name)), m_container(container), m_page(page) {
    form.registerControl(*this);
}

void Control::setCaption(const std::string& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    changed(Property::Caption);
}

void Control::setToolTip(const std::string& tip) {
    m_toolTip = tip;
    changed(Property::ToolTip);
}

void Control::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    changed(Property::Enabled);
}

void Control::setVisible(bool visible) {
    if (visible == m_visible)
        return;
    m_visible = visible;
    changed(Property::Visible);
}

bool Control::shown() const {
    for (const Control* c = this; c; c = c->m_container) {
        if (!c->m_visible)
            return false;
        if (c->m_container && c->m_page >= 0) {
            auto* tabs = dynamic_cast<const TabControl*>(c->m_container);
            if (tabs && tabs->tab() != c->m_page)
                return false;
        }
    }
    return true;
}

bool Control::reachable() const {
    if (!m_form.loaded() || !m_form.visible() || !m_form.enabled() || !shown())
        return false;
    for (const Control* c = this; c; c = c->m_container)
        if (!c->m_enabled)
            return false;
    return true;
}

void Control::setFocus() {
    changed(Property::Focus);
}

void Control::changed(Property property) {
    m_form.controlChanged(*this, property);
}

} // namespace quillan
