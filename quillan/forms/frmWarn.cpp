#include "frmWarn.h"

#include "FormCatalog.h"
#include "Forms.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmWarn);

frmWarn::frmWarn(Forms& forms) : Form(forms.services(), kName, "Warning", 2400) {
    cmdWarnClose.setCaption("Close");
    cmdWarnClose.Click = [this] { unload(); };
}

} // namespace quillan
