#pragma once

#include "ProgramPicker.h"

namespace quillan {

// Picks the mail program that starts when new mail is found.
class frmMailBrowse : public ProgramPicker {
  public:
    static constexpr const char* kName = "frmMailBrowse";
    explicit frmMailBrowse(Forms& forms);

  protected:
    void Command1_Click() override;
};

} // namespace quillan
