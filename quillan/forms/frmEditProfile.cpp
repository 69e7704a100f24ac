#include "frmEditProfile.h"

#include "FormCatalog.h"
#include "Forms.h"
#include "frmHelpEdit.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmEditProfile);

frmEditProfile::frmEditProfile(Forms& forms)
    : Form(forms.services(), kName, "Edit Connection Profile", 3000), m_forms(forms) {
    frameEditProfile.setCaption("Connection Profile for");
    textEditProfileName.setEnabled(false);
    Label1.setCaption("&Username :");
    Label2.setCaption("&Password :");
    Label3.setCaption("&Domain :");
    textEditUsername.setToolTip("The username required by the remote dialup server to identify you");
    textEditPassword.setToolTip("The password required for authentication during connection establishment");
    textEditPassword.setPasswordChar('*');
    textEditDomain.setToolTip("The domain of your dialup server. If not applicable, just leave it blank");
    cmdModifyProfile.setCaption("Modify");
    cmdCancelModify.setCaption("Cancel");
    cmdModifyHelp.setCaption("Help");
    setDefaultButton(cmdModifyProfile);
    cmdModifyProfile.Click = [this] { cmdModifyProfile_Click(); };
    cmdCancelModify.Click = [this] { hide(); };
    cmdModifyHelp.Click = [this] { m_forms.get<frmHelpEdit>().showModal(); };
}

void frmEditProfile::fillFrom(const std::string& profile) {
    const KeyedCollection& profiles = m_forms.m().profiledata;
    textEditProfileName.setText(profile);
    textEditUsername.setText(profiles.value(profile + "Username"));
    textEditPassword.setText(profiles.value(profile + "Password"));
    textEditDomain.setText(profiles.value(profile + "Domain"));
}

void frmEditProfile::cmdModifyProfile_Click() {
    KeyedCollection& profiles = m_forms.m().profiledata;
    const std::string& name = textEditProfileName.text();
    // A profile whose record was deleted on this run gets a fresh one, so the values are not lost.
    if (!profiles.contains(name))
        addDefaultProfile(profiles, name);
    profiles.remove(name + "Username");
    profiles.remove(name + "Password");
    profiles.remove(name + "Domain");
    profiles.addAfter(name + "Username", textEditUsername.text(), name);
    profiles.addAfter(name + "Password", textEditPassword.text(), name + "Username");
    profiles.addAfter(name + "Domain", textEditDomain.text(), name + "Password");
    hide();
}

} // namespace quillan
