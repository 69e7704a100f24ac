#pragma once

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/TextBox.h"

namespace quillan {

class Forms;

// Shows the elapsed time of the call; closing only hides it.
class frmTimerConsole : public Form {
  public:
    static constexpr const char* kName = "frmTimerConsole";
    explicit frmTimerConsole(Forms& forms);

    TextBox textTimerValue{*this, "textTimerValue"};
    CommandButton cmdTimerClose{*this, "cmdTimerClose"};

  private:
    void cmdTimerClose_Click() { hide(); }
};

} // namespace quillan
