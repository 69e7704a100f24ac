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
};

} // namespace quillan
