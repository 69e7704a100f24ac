#pragma once

#include "FormTimers.h"
#include "FormView.h"

#include "runtime/FormObserver.h"

#include <functional>
#include <map>

namespace quillan {

// Gives a form its timers' clocks when it comes to life and its window when it is first shown (or opens
// a pop-up menu), passes the model's notices on to them, and lets both go when the form unloads. A form
// that stays hidden keeps only its model and clocks: the window, built later, starts from the model as
// it then is.
class QtFormObserver : public FormObserver {
  public:
    QtFormObserver() = default;
    ~QtFormObserver() override;
    QtFormObserver(const QtFormObserver&) = delete;
    QtFormObserver& operator=(const QtFormObserver&) = delete;

    void formCreated(Form& form) override;
    void formChanged(Form& form, FormProperty property) override;
    void controlChanged(Control& control, Property property) override;

    // The window of a loaded form that has been shown, or null.
    FormView* view(const Form& form) const;

    // Told when a window has been painted after being shown.
    std::function<void(Form&, QWidget&)> windowExposed;

  private:
    struct Window {
        int designHeight = 0; // the model's height before its load handler ran
        FormView* view = nullptr;
        FormTimers* timers = nullptr;
    };

    FormView& build(Form& form, Window& window);

    std::map<const Form*, Window> m_windows;
};

} // namespace quillan
