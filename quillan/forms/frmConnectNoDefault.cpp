#include "frmConnectNoDefault.h"

#include "FormCatalog.h"
#include "Forms.h"
#include "frmDialSelected.h"
#include "modules/ProgramTitle.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmConnectNoDefault);

frmConnectNoDefault::frmConnectNoDefault(Forms& forms)
    : Form(forms.services(), kName, "Dialing to...", 3600), m_forms(forms) {
    Label1.setCaption("&Select the connection profile to dial :");
    cmdDial.setCaption("&Dial");
    cmdDial.setToolTip("Dial the selected connection profile");
    cmdCancel.setCaption("&Cancel");
    cmdCancel.setToolTip("Cancel dialup process");
    cmdDial.Click = [this] { cmdDial_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmConnectNoDefault::cmdDial_Click() {
    if (listdialchoose.listIndex() < 0) {
        m_forms.services().boxes.show("Select a Connection Profile first", MsgButtons::OK,
                                      MsgIcon::Exclamation, kProgramTitle);
        return;
    }
    auto& dialSelected = m_forms.get<frmDialSelected>();
    dialSelected.fillFrom(listdialchoose.text());
    dialSelected.show();
    hide();
}

} // namespace quillan
