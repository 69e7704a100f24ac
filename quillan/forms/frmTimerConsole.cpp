#include "frmTimerConsole.h"

#include "FormCatalog.h"
#include "Forms.h"
#include "modules/ConnectionClock.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmTimerConsole);

frmTimerConsole::frmTimerConsole(Forms& forms) : Form(forms.services(), kName, "Timer", 1200) {
    // A call is shown from its first second; the tick takes over from here.
    textTimerValue.setText(ConnectionClock{}.text());
    cmdTimerClose.setCaption("&Close");
    cmdTimerClose.setToolTip("Close this Timer Console");
    cmdTimerClose.Click = [this] { cmdTimerClose_Click(); };
}

} // namespace quillan
