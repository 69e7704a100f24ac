#include "NewMail.h"

#include "Forms.h"
#include "frmNewMailNotify.h"

namespace quillan {

bool announceNewMail(Forms& forms, bool alwaysNotify) {
    const SettingsRecord& s = forms.m().settings;
    if (alwaysNotify || s.mailnotify == "true")
        forms.get<frmNewMailNotify>().show();
    if (s.runmailprogram == "true" && !forms.services().processes.start(s.mailprogram, {}, WindowStyle::Normal))
        return false;
    return true;
}

} // namespace quillan
