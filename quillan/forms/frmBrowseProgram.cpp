#include "frmBrowseProgram.h"

#include "FormCatalog.h"
#include "Forms.h"
#include "frmProgramLauncher.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmBrowseProgram);

frmBrowseProgram::frmBrowseProgram(Forms& forms)
    : ProgramPicker(forms, kName, "Program Selection", "Select the program you wish to run") {}

void frmBrowseProgram::Command1_Click() {
    if (who >= 1 && who <= frmProgramLauncher::kSlots)
        m_forms.get<frmProgramLauncher>().page(who).textProgramLocation.setText(textPL.text());
    hide();
}

} // namespace quillan
