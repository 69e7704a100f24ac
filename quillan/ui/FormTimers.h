#pragma once

#include "ControlBinding.h"

#include "runtime/Form.h"

#include <QObject>

#include <map>
#include <memory>

namespace quillan {

// The clocks of a form's timers. They belong to the form, shown or not: a hidden form's timer
// (the redial wait, the connection timer of a console in the tray) ticks like any other.
class FormTimers : public QObject {
  public:
    explicit FormTimers(Form& form);

    void controlChanged(Control& control, Property property);

  private:
    std::map<const Control*, std::unique_ptr<ControlBinding>> m_clocks;
};

} // namespace quillan
