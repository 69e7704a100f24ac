#include "frmHelpAlternative.h"

#include "FormCatalog.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmHelpAlternative);

frmHelpAlternative::frmHelpAlternative(Forms& forms)
    : HelpForm(
          forms, kName, "Dialing Alternate Numbers Help", "cmdHelpANOK",
          {{"Dialing sequence",
            "When a call fails and Quillan redials, it can try other numbers of your provider. The first "
            "attempt always uses the phone number of the connection profile; the redials then use Dialing "
            "Sequence 1, 2 and so on, and start again from the profile's own number after the last one."},
           {"Phone numbers",
            "Enter each number as digits only, without dashes or blanks. A slot that holds 0 is empty and is "
            "skipped."},
           {"Turning it on",
            "Tick \"Dial alternate numbers\" on the Configuration Console for the profile, press OK here and "
            "Save the configurations to keep the numbers for the next start."}}) {}

} // namespace quillan
