#pragma once

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/ListBox.h"

namespace quillan {

class Forms;

// Lets the user pick the profile to dial when no default is dialled.
class frmConnectNoDefault : public Form {
  public:
    static constexpr const char* kName = "frmConnectNoDefault";
    explicit frmConnectNoDefault(Forms& forms);

    Label Label1{*this, "Label1"};
    ListBox listdialchoose{*this, "listdialchoose"};
    CommandButton cmdDial{*this, "cmdDial"};
    CommandButton cmdCancel{*this, "cmdCancel"};

  private:
    void cmdDial_Click();
    void cmdCancel_Click() { hide(); }

    Forms& m_forms;
};

} // namespace quillan
