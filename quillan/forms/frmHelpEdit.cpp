#include "frmHelpEdit.h"

#include "FormCatalog.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmHelpEdit);

frmHelpEdit::frmHelpEdit(Forms& forms)
    : HelpForm(
          forms, kName, "Edit Connection Profile Help", "cmdHelpEditOK",
          {{"Username and password",
            "Enter the user name and the password that your Internet provider gave you for this connection. "
            "Quillan sends them when it dials the profile."},
           {"Domain", "Only some dial-up servers ask for a logon domain. If yours does not, leave the box "
                      "blank."},
           {"Modify", "Modify keeps the three values for this run. Press Save on the Configuration Console "
                      "to keep them for the next start."}}) {}

} // namespace quillan
