#include "frmNewMailNotify.h"

#include "FormCatalog.h"
#include "Forms.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmNewMailNotify);

frmNewMailNotify::frmNewMailNotify(Forms& forms)
    : Form(forms.services(), kName, "Quillan: New Mail Detected", 1800) {
    Label1.setCaption("You have New Mail!");
    Command1.setCaption("&OK");
    Image1.Click = [this] { hide(); };
    Label1.Click = [this] { hide(); };
    Command1.Click = [this] { hide(); };
}

} // namespace quillan
