#include "frmWarnNewConnection.h"

#include "FormCatalog.h"
#include "Forms.h"
#include "formRAS.h"
#include "modules/ImportedProfile.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmWarnNewConnection);

frmWarnNewConnection::frmWarnNewConnection(Forms& forms)
    : Form(forms.services(), kName, "Notice for Creating New Connection", 2400), m_forms(forms) {
    Label1.setCaption(
        "Quillan would launch Windows 95/NT dialup networking program and would place Quillan in "
        "active process intended to acquire your new dialup profile data. It is not advisable to "
        "cancel the process of creating a new dialup profile as this would result in a slight loss "
        "of memory data.");
    Label2.setCaption("Press Proceed to create the new connection, or Cancel to stop.");
    cmdProceed.setCaption("&Proceed");
    cmdCancel.setCaption("&Cancel");
    setDefaultButton(cmdProceed);
    cmdProceed.Click = [this] { cmdProceed_Click(); };
    cmdCancel.Click = [this] { unload(); };
}

void frmWarnNewConnection::cmdProceed_Click() {
    Forms& forms = m_forms;
    unload();
    forms.dialUp().CreateEntry();
    forms.m().newprofilepending = "true";
    forms.get<formRAS>().LoadEntries();
    applyImportedProfile(forms.m());
}

} // namespace quillan
