#include "Form.h"

#include "Control.h"

namespace quillan {

Form::Form(Services& services, std::string name, std::string caption, int height)
    : m_services(services), m_name(std::move(name)), m_caption(std::move(caption)), m_height(height) {}

void Form::setCaption(const std::string& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    changed(FormProperty::Caption);
}

void Form::setWindowState(WindowState state) {
    if (state == m_windowState)
        return;
    m_windowState = state;
    changed(FormProperty::WindowState);
    Form_Resize();
}

void Form::setMousePointer(int pointer) {
    if (pointer == m_mousePointer)
        return;
    m_mousePointer = pointer;
    changed(FormProperty::MousePointer);
}

void Form::setHeight(int height) {
    if (height == m_height)
        return;
    m_height = height;
    changed(FormProperty::Height);
}

void Form::setDefaultButton(CommandButton& button) {
    m_defaultButton = &button;
    changed(FormProperty::DefaultButton);
}

void Form::showPopupMenu(MenuItem& menu) {
    m_popupMenu = &menu;
    changed(FormProperty::PopupMenu);
}

void Form::load() {
    if (m_loaded)
        return;
    m_loaded = true;
    for (FormObserver* observer : m_services.observers)
        observer->formCreated(*this);
    changed(FormProperty::Loaded);
    Form_Load();
}

void Form::show() {
    load();
    if (!m_loaded)
        return; // the load handler unloaded it again
    m_modal = false;
    if (m_visible)
        return;
    m_visible = true;
    changed(FormProperty::Visible);
}

void Form::showModal() {
    load();
    if (!m_loaded)
        return;
    m_modal = true;
    if (!m_visible) {
        m_visible = true;
        changed(FormProperty::Visible);
    }
    m_services.modal.runModal(*this);
    m_modal = false;
}

void Form::hide() {
    if (!m_visible)
        return;
    m_visible = false;
    changed(FormProperty::Visible);
}

void Form::unload() {
    if (!m_loaded)
        return;
    Form_Unload();
    // Unloading hides without a separate notice: views close the window on the unload itself.
    m_visible = false;
    m_loaded = false;
    m_unloaded = true;
    changed(FormProperty::Loaded);
}

Control* Form::control(const std::string& name) const {
    for (Control* c : m_controls)
        if (c->name() == name)
            return c;
    return nullptr;
}

void Form::registerControl(Control& control) {
    m_controls.push_back(&control);
}

void Form::controlChanged(Control& control, Property property) {
    if (!m_loaded)
        return;
    for (FormObserver* observer : m_services.observers)
        observer->controlChanged(control, property);
}

void Form::changed(FormProperty property) {
    for (FormObserver* observer : m_services.observers)
        observer->formChanged(*this, property);
}

} // namespace quillan
