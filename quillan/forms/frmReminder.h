#pragma once

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/TextBox.h"

namespace quillan {

class Forms;

// Reminds the user of the time online, with a way to hang up at once.
class frmReminder : public Form {
  public:
    static constexpr const char* kName = "frmReminder";
    explicit frmReminder(Forms& forms);

    Label Label1{*this, "Label1"};
    TextBox textReminderTime{*this, "textReminderTime"};
    CommandButton cmdReminderClose{*this, "cmdReminderClose"};
    CommandButton cmdReminderHangup{*this, "cmdReminderHangup"};

  private:
    void cmdReminderClose_Click() { hide(); }
    void cmdReminderHangup_Click();

    Forms& m_forms;
};

} // namespace quillan
