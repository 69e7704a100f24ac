#include "frmHelpStart.h"

#include "FormCatalog.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmHelpStart);

frmHelpStart::frmHelpStart(Forms& forms)
    : HelpForm(
          forms, kName, "Quillan Professional Help", "cmdHelpStartOK",
          {{"Connect",
            "Press Connect to dial your default connection profile. When no default is set, Quillan asks "
            "which profile to dial."},
           {"Configuration",
            "The Configuration button opens the Configuration Console, where you choose your default "
            "profile, "
            "costs, warnings, options and mail watch. Press Save to keep your settings for the next start."},
           {"Scan",
            "The Scan button looks for a connection that was made outside Quillan and takes it over, so that "
            "its time and cost are counted."},
           {"System Tray",
            "Quillan can live in the system tray: a click on its icon restores the console, a right click "
            "opens its menu."}}) {}

} // namespace quillan
