#include "frmCost.h"

#include "FormCatalog.h"
#include "Forms.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmCost);

frmCost::frmCost(Forms& forms) : Form(forms.services(), kName, "Connection Cost", 1800) {
    Label1.setCaption("Total Cost for Current Connection : $");
    labelCost.setCaption("0.00");
    Command1.setCaption("OK");
    Command1.Click = [this] { Command1_Click(); };
}

} // namespace quillan
