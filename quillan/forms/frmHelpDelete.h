#pragma once

#include "HelpForm.h"

namespace quillan {

class frmHelpDelete : public HelpForm {
  public:
    static constexpr const char* kName = "frmHelpDelete";
    explicit frmHelpDelete(Forms& forms);
};

} // namespace quillan
