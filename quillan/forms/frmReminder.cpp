#include "frmReminder.h"

#include "CallProcedures.h"
#include "FormCatalog.h"
#include "Forms.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmReminder);

frmReminder::frmReminder(Forms& forms)
    : Form(forms.services(), kName, "Quillan Reminder", 1800), m_forms(forms) {
    Label1.setCaption("&Total Elapsed time :");
    cmdReminderClose.setCaption("&Ignore");
    cmdReminderClose.setToolTip("Ignore this reminder and continue with the current session");
    cmdReminderHangup.setCaption("&Hang Up");
    cmdReminderHangup.setToolTip("Hang up your current session");
    cmdReminderClose.Click = [this] { cmdReminderClose_Click(); };
    cmdReminderHangup.Click = [this] { cmdReminderHangup_Click(); };
}

void frmReminder::cmdReminderHangup_Click() {
    CallProcedures(m_forms).reminderHangUp();
    hide();
}

} // namespace quillan
