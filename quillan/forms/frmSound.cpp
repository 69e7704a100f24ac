#include "frmSound.h"

#include "FormCatalog.h"
#include "Forms.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmSound);

frmSound::frmSound(Forms& forms) : SoundChooser(forms, kName, "Sound Control", "Upon connection,") {}

void frmSound::applySettings() {
    const SettingsRecord& s = m_forms.m().settings;
    showChoice(s.defaultsound == "true", s.customsound);
}

void frmSound::defaultChosen() {
    m_forms.m().settings.defaultsound = "true";
}
void frmSound::customChosen() {
    m_forms.m().settings.defaultsound = "false";
}
void frmSound::storeSelection(const std::string& file) {
    m_forms.m().settings.customsound = file;
}
void frmSound::acceptNoFile() {
    m_forms.m().settings.customsound = "none";
}

} // namespace quillan
