#pragma once

#include "HelpForm.h"

namespace quillan {

class frmHelpStart : public HelpForm {
  public:
    static constexpr const char* kName = "frmHelpStart";
    explicit frmHelpStart(Forms& forms);
};

} // namespace quillan
