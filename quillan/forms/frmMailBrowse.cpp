#include "frmMailBrowse.h"

#include "FormCatalog.h"
#include "Forms.h"
#include "frmConfig.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmMailBrowse);

frmMailBrowse::frmMailBrowse(Forms& forms)
    : ProgramPicker(forms, kName, "Email Program Selection",
                    "Select the email program you wish to run  :  ") {}

void frmMailBrowse::Command1_Click() {
    if (textPL.text().empty() &&
        services().boxes.show("No Application Selected. Do you wish to proceed?", MsgButtons::YesNo,
                              MsgIcon::None, "No Application Run Module") == MsgAnswer::No)
        return;
    m_forms.m().settings.mailprogram = textPL.text();
    m_forms.get<frmConfig>().textEmailPath.setText(textPL.text());
    hide();
}

} // namespace quillan
