#include "frmPassword.h"

#include "CallProcedures.h"
#include "FormCatalog.h"
#include "Forms.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmPassword);

frmPassword::frmPassword(Forms& forms)
    : Form(forms.services(), kName, "Authentication in Progress...", 1800), m_forms(forms) {
    Label1.setCaption("&Enter the Profile Password :");
    textPassword.setToolTip("The password of your default connection profile");
    textPassword.setPasswordChar('*');
    cmdOKPassword.setCaption("Dial");
    cmdCancelPassword.setCaption("Cancel Dialing");
    setDefaultButton(cmdOKPassword);
    cmdOKPassword.Click = [this] { cmdOKPassword_Click(); };
    cmdCancelPassword.Click = [this] { cmdCancelPassword_Click(); };
}

void frmPassword::cmdOKPassword_Click() {
    Module1& m = m_forms.m();
    const std::string& profile = m.settings.defaultprofile;
    if (textPassword.text() == m.profiledata.value(profile + "Password")) {
        CallProcedures calls(m_forms);
        calls.callReset();
        calls.dialStoredProfile(profile);
        hide();
        return;
    }
    m_forms.services().boxes.show("Incorrect Password! Try Again.", MsgButtons::OK, MsgIcon::Critical,
                                  "Authentication Failed!");
    textPassword.setText("");
    textPassword.setFocus();
}

} // namespace quillan
