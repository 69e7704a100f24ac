#pragma once

#include "HelpForm.h"

namespace quillan {

class frmHelpAlternative : public HelpForm {
  public:
    static constexpr const char* kName = "frmHelpAlternative";
    explicit frmHelpAlternative(Forms& forms);
};

} // namespace quillan
