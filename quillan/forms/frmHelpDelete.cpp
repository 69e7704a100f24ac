#include "frmHelpDelete.h"

#include "FormCatalog.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmHelpDelete);

frmHelpDelete::frmHelpDelete(Forms& forms)
    : HelpForm(
          forms, kName, "Updating Connection Profiles Help", "cmdHelpDeleteOK",
          {{"Deleted profiles",
            "Quillan found fewer connection profiles in the phonebook than in its own settings. Tick each "
            "profile that no longer exists and press Delete, so that Quillan forgets its user name, password "
            "and alternate numbers."},
           {"Ignore",
            "Ignore leaves Quillan's records as they are. Save on the Configuration Console to keep "
            "the change for the next start."}}) {}

} // namespace quillan
