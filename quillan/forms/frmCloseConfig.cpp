#include "frmCloseConfig.h"

#include "FormCatalog.h"
#include "Forms.h"
#include "frmConfig.h"
#include "frmStart.h"
#include "modules/ProgramTitle.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quillan {

QUILLAN_REGISTER_FORM(frmCloseConfig);

frmCloseConfig::frmCloseConfig(Forms& forms)
    : Form(forms.services(), kName, "Closing Configuration Console", 2400), m_forms(forms) {
    Label1.setCaption("All configurations set would not be saved after the last saved operation. If you do wish to "
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
    std::error_code error;
    return std::filesystem::exists(dataDir / kCloseReminderFileName, error);
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
    errno = 0;
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        // Only the file's presence counts, so a short write still turns the reminder off.
        std::fputs("##REMOVE REMINDER##\r\n", file);
        std::fclose(file);
        return true;
    }
    const int reason = errno;
    services().boxes.show("Could not write " + path.string() + ": " +
                              (reason ? std::strerror(reason) : "unknown error") +
                              "\n\nUntick \"Remove this reminder\" to close without it, or make sure the folder "
                              "can be written to.",
                          MsgButtons::OK, MsgIcon::Critical, kProgramTitle);
    return false;
}

} // namespace quillan
