#pragma once

#include "runtime/Control.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace quillan {

// Keeps one widget in step with one control of a form model, in both directions.
class ControlBinding {
  public:
    ControlBinding(Control& control, QWidget* widget);
    virtual ~ControlBinding() = default;
    ControlBinding(const ControlBinding&) = delete;
    ControlBinding& operator=(const ControlBinding&) = delete;

    Control& control() const { return m_control; }
    QWidget* widget() const { return m_widget; }

    // Copies one property of the control to the widget; initial is true while the window is being built,
    // when an empty caption keeps the designed text.
    virtual void refresh(Property property, bool initial);
    void refreshAll();
    // Copies a change of the model to the widget. A hidden list's lines wait until it is shown: a walk
    // through folders changes hidden lists thousands of times.
    void follow(Property property);

    // True while the view copies model changes to widgets: widget signals then are not the user's.
    static bool applying() { return s_applying > 0; }

    // Marks a stretch of code that copies model state to widgets.
    class Applying {
      public:
        Applying() { ++s_applying; }
        ~Applying() { --s_applying; }
        Applying(const Applying&) = delete;
        Applying& operator=(const Applying&) = delete;
    };

  protected:
    // Runs a user's action on the model, unless the widget only followed the model or the user cannot reach
    // the control; then copies property back, since the handler may have changed it or refused the action.
    template <class Action> void user(Action action, Property property) {
        if (!applying() && m_control.reachable())
            action();
        Applying guard;
        refresh(property, false);
    }

  private:
    static inline int s_applying = 0;
    Control& m_control;
    QPointer<QWidget> m_widget;
    bool m_linesStale = false;
};

// The binding of control to widget, or null when widget is not of a kind that can show the control.
std::unique_ptr<ControlBinding> makeBinding(Control& control, QWidget* widget);

} // namespace quillan
