#include "NewMail.h"

#include "Forms.h"
#include "frmNewMailNotify.h"
#include "runtime/SoundPlayer.h"

namespace quillan {

bool announceNewMail(Forms& forms, bool alwaysNotify) {
    const SettingsRecord& s = forms.m().settings;
    if (alwaysNotify || s.mailnotify == "true")
        forms.get<frmNewMailNotify>().show();
    // "none" or "None" names no file, so the desktop's default sound plays.
    if (s.mailsound == "true")
        forms.services().sound.play(s.mailsoundfile == "Default" ? kDefaultSoundName : s.mailsoundfile);
    if (s.runmailprogram == "true" &&
        !forms.services().processes.start(s.mailprogram, {}, WindowStyle::Normal))
        return false;
    return true;
}

} // namespace quillan
