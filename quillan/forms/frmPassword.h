#pragma once

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/TextBox.h"

namespace quillan {

class Forms;

// Guards a dial of the default profile with that profile's stored password.
class frmPassword : public Form {
  public:
    static constexpr const char* kName = "frmPassword";
    explicit frmPassword(Forms& forms);

    Label Label1{*this, "Label1"};
    TextBox textPassword{*this, "textPassword"};
    CommandButton cmdOKPassword{*this, "cmdOKPassword"};
    CommandButton cmdCancelPassword{*this, "cmdCancelPassword"};

  private:
    void cmdOKPassword_Click();
    void cmdCancelPassword_Click() { hide(); }

    Forms& m_forms;
};

} // namespace quillan
