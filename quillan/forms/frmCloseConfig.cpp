#include "frmCloseConfig.h"

#include "FormCatalog.h"
#include "Forms.h"
#include "frmConfig.h"
#include "frmStart.h"
#include "modules/ProgramTitle.h"
#include "modules/SettingsFile.h"
#include "runtime/AtomicFile.h"

#include <system_error>

namespace quillan {

QUILLAN_REGISTER_FORM(frmCloseConfig);

frmCloseConfig::frmCloseConfig(Forms& forms)
    : Form(forms.services(), kName, "Closing Configuration Console", 2400), m_forms(forms) {
    Label1.setCaption(
        "All configurations set would not be saved after the last saved operation. If you do wish to "
        "save all the changes made, click on the \"Save Configuration\" button in the Quillan "
        "Configuration Console. Do you wish to continue?");
    checkRemoveCloseReminder.setCaption("Remove this reminder");
    checkRemoveCloseReminder.setToolTip("Check this box if you do not want future reminders");
    cmdYesClose.setCaption("&Yes");
    cmdYesClose.setToolTip("Yes. No changes would be saved");
    cmdNoClose.setCaption("&No");
    cmdNoClose.setToolTip("No. Go back to the configuration window");
    cmdYesClose.Click = [this] { cmdYesClose_Click(); };
    cmdNoClose.Click = [this] { hide(); };
}

bool frmCloseConfig::reminderRemoved(const std::filesystem::path& dataDir) {
    return fileExists(dataDir / kCloseReminderFileName);
}

void frmCloseConfig::cmdYesClose_Click() {
    if (checkRemoveCloseReminder.ticked() && !removeReminder())
        return;
    hide();
    m_forms.get<frmConfig>().hide();
    m_forms.get<frmStart>().show();
}

// Writes the flag file; on failure tells the user and keeps both windows open.
bool frmCloseConfig::removeReminder() {
    const std::filesystem::path path = services().dataDir / kCloseReminderFileName;
    try {
        writeFileAtomically(path, "##REMOVE REMINDER##\r\n", 0644);
        return true;
    } catch (const std::system_error& error) {
        services().boxes.show("Could not write " + path.string() + ": " + error.what() +
                                  "\n\nUntick \"Remove this reminder\" to close without it, or make sure the "
                                  "folder can be written to.",
                              MsgButtons::OK, MsgIcon::Critical, kProgramTitle);
        return false;
    }
}

} // namespace quillan
