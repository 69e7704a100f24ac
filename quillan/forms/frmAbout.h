#pragma once

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Label.h"

namespace quillan {

class Forms;

class frmAbout : public Form {
  public:
    static constexpr const char* kName = "frmAbout";
    explicit frmAbout(Forms& forms);

    Label lblTitle{*this, "lblTitle"};
    Label lblVersion{*this, "lblVersion"};
    Label lblDescription{*this, "lblDescription"};
    CommandButton cmdOK{*this, "cmdOK"};
    CommandButton cmdSysInfo{*this, "cmdSysInfo"};

  private:
    void cmdOK_Click() { unload(); }
    void cmdSysInfo_Click();

    Forms& m_forms;
};

} // namespace quillan
