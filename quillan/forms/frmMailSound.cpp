#include "frmMailSound.h"

#include "FormCatalog.h"
#include "Forms.h"
#include "frmConfig.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmMailSound);

frmMailSound::frmMailSound(Forms& forms)
    : SoundChooser(forms, kName, "Sound Console for Email Notification", "When new mail(s) arrived,") {}

void frmMailSound::applySettings() {
    const std::string& file = m_forms.m().settings.mailsoundfile;
    const bool isDefault = file == "Default";
    showChoice(isDefault, isDefault ? "none" : file);
}

void frmMailSound::defaultChosen() {
    m_forms.m().settings.mailsoundfile = "Default";
}
void frmMailSound::customChosen() {
    m_forms.m().settings.mailsoundfile = textSelectedSound.text();
}
void frmMailSound::storeSelection(const std::string& file) {
    m_forms.m().settings.mailsoundfile = file;
}

void frmMailSound::acceptDefault() {
    showOnConsole("Default");
}

void frmMailSound::acceptNoFile() {
    m_forms.m().settings.mailsoundfile = "None";
    showOnConsole("None");
}

void frmMailSound::acceptFile() {
    showOnConsole(m_forms.m().settings.mailsoundfile);
}

void frmMailSound::showOnConsole(const std::string& text) {
    m_forms.get<frmConfig>().textMailSoundPath.setText(text);
}

} // namespace quillan
