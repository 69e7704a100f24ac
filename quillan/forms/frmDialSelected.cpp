#include "frmDialSelected.h"

#include "CallProcedures.h"
#include "FormCatalog.h"
#include "Forms.h"
#include "frmStart.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmDialSelected);

frmDialSelected::frmDialSelected(Forms& forms)
    : Form(forms.services(), kName, "Dialing to...", 3000), m_forms(forms) {
    Frame1.setCaption("Dial to");
    Label1.setCaption("&Profile Name :");
    Label2.setCaption("&Username :");
    Label3.setCaption("Pass&word :");
    Label4.setCaption("D&omain :");
    textDialPassword.setPasswordChar('*');
    cmdDialDial.setCaption("&Dial");
    cmdDialCancel.setCaption("&Cancel");
    setDefaultButton(cmdDialDial);
    cmdDialDial.Click = [this] { cmdDialDial_Click(); };
    cmdDialCancel.Click = [this] { cmdDialCancel_Click(); };
}

void frmDialSelected::fillFrom(const std::string& profileName) {
    const KeyedCollection& profiles = m_forms.m().profiledata;
    textDialProfilename.setText(profileName);
    textDialUsername.setText(profiles.value(profileName + "Username"));
    textDialPassword.setText(profiles.value(profileName + "Password"));
    textDialDomain.setText(profiles.value(profileName + "Domain"));
}

void frmDialSelected::cmdDialDial_Click() {
    if (textDialUsername.text().empty()) {
        CallProcedures(m_forms).refuseEmptyUsername("under the Connect tab in the Configuration Console.",
                                                    MsgIcon::Exclamation);
        return;
    }
    CallProcedures calls(m_forms);
    m_forms.m().clock.zero();
    calls.callReset();
    calls.startDial(
        {textDialProfilename.text(), textDialUsername.text(), textDialPassword.text(), textDialDomain.text()},
        DialKind::Selected);
    hide();
    m_forms.get<frmStart>().show();
}

} // namespace quillan
