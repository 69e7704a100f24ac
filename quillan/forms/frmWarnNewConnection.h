#pragma once

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Label.h"

namespace quillan {

class Forms;

// The notice before a new phonebook entry is created; Proceed opens the entry editor.
class frmWarnNewConnection : public Form {
  public:
    static constexpr const char* kName = "frmWarnNewConnection";
    explicit frmWarnNewConnection(Forms& forms);

    Label Label1{*this, "Label1"};
    Label Label2{*this, "Label2"};
    CommandButton cmdProceed{*this, "cmdProceed"};
    CommandButton cmdCancel{*this, "cmdCancel"};

  private:
    void cmdProceed_Click();

    Forms& m_forms;
};

} // namespace quillan
