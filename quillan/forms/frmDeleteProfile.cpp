#include "frmDeleteProfile.h"

#include "FormCatalog.h"
#include "Forms.h"
#include "frmHelpDelete.h"
#include "frmStart.h"
#include "modules/ProgramTitle.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmDeleteProfile);

frmDeleteProfile::frmDeleteProfile(Forms& forms)
    : Form(forms.services(), kName, "Updating Connection Profiles", 3600), m_forms(forms) {
    Label1.setCaption(
        "&Select the connection profile to be deleted by ticking in the checkbox and pressing Delete.");
    cmdDeleteProfile.setCaption("Delete");
    cmdDeleteProfile.setToolTip("Delete the checked connection profiles");
    cmdUpdateCancel.setCaption("Ignore");
    cmdUpdateCancel.setToolTip("Ignore the changes. Not Recommended!");
    cmdUpdateHelp.setCaption("Help");
    listUpdateProfiles.ItemCheck = [this](int index) { listUpdateProfiles_ItemCheck(index); };
    cmdDeleteProfile.Click = [this] { cmdDeleteProfile_Click(); };
    cmdUpdateCancel.Click = [this] { backToMainConsole(); };
    cmdUpdateHelp.Click = [this] { m_forms.get<frmHelpDelete>().showModal(); };
}

void frmDeleteProfile::listUpdateProfiles_ItemCheck(int index) {
    const std::string& name = listUpdateProfiles.list(index);
    if (listUpdateProfiles.selected(index))
        checkedprofile.add(name, name);
    else
        checkedprofile.remove(name);
}

void frmDeleteProfile::cmdDeleteProfile_Click() {
    KeyedCollection& profiles = m_forms.m().profiledata;
    for (const auto& [name, value] : checkedprofile.items()) {
        services().boxes.show("Deleting profile : " + name, MsgButtons::OK, MsgIcon::None, kProgramTitle);
        profiles.remove(name);
        for (const char* field : kProfileFields)
            profiles.remove(name + field);
    }
    backToMainConsole();
}

void frmDeleteProfile::backToMainConsole() {
    hide();
    m_forms.get<frmStart>().show();
}

} // namespace quillan
