#pragma once

#include "FormView.h"

#include "runtime/FormObserver.h"

#include <functional>
#include <map>

namespace quillan {

// Gives every form its window when the form comes to life, passes the model's notices on to it, and
// lets the window go when the form unloads.
class QtFormObserver : public FormObserver {
public:
    QtFormObserver() = default;
    ~QtFormObserver() override;
    QtFormObserver(const QtFormObserver&) = delete;
    QtFormObserver& operator=(const QtFormObserver&) = delete;

    void formCreated(Form& form) override;
    void formChanged(Form& form, FormProperty property) override;
    void controlChanged(Control& control, Property property) override;

    // The window of a loaded form, or null.
    FormView* view(const Form& form) const;

    // Told when a window has been painted after being shown.
    std::function<void(Form&, QWidget&)> windowExposed;

private:
    std::map<const Form*, FormView*> m_views;
};

} // namespace quillan
