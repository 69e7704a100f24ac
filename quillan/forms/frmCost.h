#pragma once

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Label.h"

namespace quillan {

class Forms;

// The cost of the call just ended; closing unloads it, so each call starts from the designed values.
class frmCost : public Form {
  public:
    static constexpr const char* kName = "frmCost";
    explicit frmCost(Forms& forms);

    Label Label1{*this, "Label1"};
    Label labelCost{*this, "labelCost"};
    Label labelDisc{*this, "labelDisc"};
    CommandButton Command1{*this, "Command1"};

  private:
    void Command1_Click() { unload(); }
};

} // namespace quillan
