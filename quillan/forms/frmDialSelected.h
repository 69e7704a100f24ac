#pragma once

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/Label.h"
#include "runtime/TextBox.h"

#include <string>

namespace quillan {

class Forms;

// Dials a chosen profile with credentials the user may change for this call only.
class frmDialSelected : public Form {
  public:
    static constexpr const char* kName = "frmDialSelected";
    explicit frmDialSelected(Forms& forms);

    // Puts the profile's name and its stored user name, password and domain in the boxes.
    void fillFrom(const std::string& profileName);

    Frame Frame1{*this, "Frame1"};
    Label Label1{*this, "Label1", &Frame1};
    Label Label2{*this, "Label2", &Frame1};
    Label Label3{*this, "Label3", &Frame1};
    Label Label4{*this, "Label4", &Frame1};
    TextBox textDialProfilename{*this, "textDialProfilename", &Frame1};
    TextBox textDialUsername{*this, "textDialUsername", &Frame1};
    TextBox textDialPassword{*this, "textDialPassword", &Frame1};
    TextBox textDialDomain{*this, "textDialDomain", &Frame1};
    CommandButton cmdDialDial{*this, "cmdDialDial"};
    CommandButton cmdDialCancel{*this, "cmdDialCancel"};

  private:
    void cmdDialDial_Click();
    void cmdDialCancel_Click() { unload(); }

    Forms& m_forms;
};

} // namespace quillan
