#pragma once

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Label.h"

namespace quillan {

class Forms;

// The shared modeless warning window; a later warning replaces the text of an open one.
class frmWarn : public Form {
  public:
    static constexpr const char* kName = "frmWarn";
    explicit frmWarn(Forms& forms);

    Label labelWarn{*this, "labelWarn"};
    CommandButton cmdWarnClose{*this, "cmdWarnClose"};

    // Shows the window with this text, replacing an earlier one's.
    void showWarning(const std::string& text) {
        labelWarn.setCaption(text);
        show();
    }
};

} // namespace quillan
