#include "frmTimerConsole.h"

#include "FormCatalog.h"
#include "Forms.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmTimerConsole);

frmTimerConsole::frmTimerConsole(Forms& forms) : Form(forms.services(), kName, "Timer", 1200) {
    cmdTimerClose.setCaption("&Close");
    cmdTimerClose.setToolTip("Close this Timer Console");
    cmdTimerClose.Click = [this] { cmdTimerClose_Click(); };
}

} // namespace quillan
