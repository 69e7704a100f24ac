#pragma once

namespace quillan {

class Control;
class Form;
enum class Property;

// Foreground and PopupMenu are requests rather than states: bring the window to the front,
// open the form's pop-up menu (Form::popupMenu()) at the mouse position.
enum class FormProperty {
    Loaded,
    Visible,
    Caption,
    WindowState,
    Height,
    DefaultButton,
    Foreground,
    PopupMenu,
    MousePointer
};

// A view of form models: told when a form comes to life and whenever the form or a control changes.
class FormObserver {
  public:
    virtual ~FormObserver() = default;
    virtual void formCreated(Form& form) { (void)form; }
    virtual void formChanged(Form& form, FormProperty property) = 0;
    virtual void controlChanged(Control& control, Property property) = 0;
};

} // namespace quillan
