#pragma once

#include "HelpForm.h"

namespace quillan {

class frmHelpEdit : public HelpForm {
  public:
    static constexpr const char* kName = "frmHelpEdit";
    explicit frmHelpEdit(Forms& forms);
};

} // namespace quillan
