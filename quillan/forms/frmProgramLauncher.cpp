#include "frmProgramLauncher.h"

#include "FormCatalog.h"
#include "Forms.h"
#include "frmBrowseProgram.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmProgramLauncher);

namespace {
std::string numbered(const char* name, int slot) {
    return name + std::to_string(slot);
}
} // namespace

LauncherPage::LauncherPage(Form& form, TabControl& tabs, int n)
    : slot(n), checkActivateProgram(form, numbered("checkActivateProgram", n), &tabs, n - 1),
      frameOptions(form, numbered("frameOptions", n), &tabs, n - 1),
      lblWhen(form, numbered("lblWhen", n), &frameOptions),
      frameWhen(form, numbered("frameWhen", n), &frameOptions),
      optionRunProgramAtCB(form, numbered("optionRunProgramAtCB", n), &frameWhen),
      optionRunProgramAtCnt(form, numbered("optionRunProgramAtCnt", n), &frameWhen),
      lblLocation(form, numbered("lblLocation", n), &frameOptions),
      textProgramLocation(form, numbered("textProgramLocation", n), &frameOptions),
      cmdBrowseProgramLocation(form, numbered("cmdBrowseProgramLocation", n), &frameOptions),
      lblState(form, numbered("lblState", n), &frameOptions),
      frameState(form, numbered("frameState", n), &frameOptions),
      optionPWSMinimize(form, numbered("optionPWSMinimize", n), &frameState),
      optionPWSNormal(form, numbered("optionPWSNormal", n), &frameState),
      optionPWSMaximize(form, numbered("optionPWSMaximize", n), &frameState) {
    checkActivateProgram.setCaption("&Activate this application");
    frameOptions.setCaption("Options");
    frameOptions.setVisible(false);
    lblWhen.setCaption("Run Application &When  :");
    optionRunProgramAtCB.setCaption("Connection Begins");
    optionRunProgramAtCnt.setCaption("Connected");
    lblLocation.setCaption("Application &Location :");
    cmdBrowseProgramLocation.setCaption("Browse...");
    lblState.setCaption("&Set Window to :");
    optionPWSMinimize.setCaption("Minimize State");
    optionPWSNormal.setCaption("Normal State");
    optionPWSMaximize.setCaption("Maximize State");
}

frmProgramLauncher::frmProgramLauncher(Forms& forms)
    : Form(forms.services(), kName, "Program Launcher Schedule"), m_forms(forms) {
    for (int slot = 1; slot <= kSlots; ++slot) {
        m_pages[static_cast<size_t>(slot - 1)] = std::make_unique<LauncherPage>(*this, SSTab1, slot);
        bind(page(slot));
    }
    lblSequence.setCaption("Program launching sequence : Program 1 (first) to program 5 (last).");
    cmdOKProgram.setToolTip("OK");
    cmdOKProgram.Click = [this] { cmdOKProgram_Click(); };
}

void frmProgramLauncher::bind(LauncherPage& p) {
    const int n = p.slot;
    p.checkActivateProgram.Click = [this, &p] { checkActivateProgram_Click(p); };
    p.optionRunProgramAtCB.Click = [this, &p, n] {
        setValue(n, "When", p.optionRunProgramAtCB.value() ? "Begin" : "End");
    };
    p.optionRunProgramAtCnt.Click = [this, &p, n] {
        setValue(n, "When", p.optionRunProgramAtCnt.value() ? "End" : "Begin");
    };
    const std::pair<OptionButton*, const char*> states[] = {
        {&p.optionPWSMinimize, "Min"}, {&p.optionPWSNormal, "Nor"}, {&p.optionPWSMaximize, "Max"}};
    for (const auto& [option, state] : states)
        option->Click = [this, option = option, state = state, n] {
            if (option->value())
                setValue(n, "State", state);
        };
    p.cmdBrowseProgramLocation.Click = [this, &p] { cmdBrowseProgramLocation_Click(p); };
}

std::string frmProgramLauncher::value(int slot, const char* field) const {
    return m_forms.m().programdata.value("P" + std::to_string(slot) + field);
}

void frmProgramLauncher::setValue(int slot, const char* field, const std::string& value) {
    KeyedCollection& programs = m_forms.m().programdata;
    const std::string key = "P" + std::to_string(slot) + field;
    if (!programs.replace(key, value))
        programs.add(key, value);
}

void frmProgramLauncher::applyProgramData() {
    for (int slot = 1; slot <= kSlots; ++slot) {
        LauncherPage& p = page(slot);
        const bool active = value(slot, "Activate") == "true";
        p.checkActivateProgram.setValue(active ? 1 : 0);
        p.frameOptions.setVisible(active);
        p.textProgramLocation.setText(value(slot, "Path"));
        if (value(slot, "When") == "Begin")
            p.optionRunProgramAtCB.setValue(true);
        else
            p.optionRunProgramAtCnt.setValue(true);
        const std::string state = value(slot, "State");
        if (state == "Min")
            p.optionPWSMinimize.setValue(true);
        else if (state == "Nor")
            p.optionPWSNormal.setValue(true);
        else
            p.optionPWSMaximize.setValue(true);
    }
}

void frmProgramLauncher::checkActivateProgram_Click(LauncherPage& p) {
    const bool ticked = p.checkActivateProgram.ticked();
    setValue(p.slot, "Activate", ticked ? "true" : "false");
    p.frameOptions.setVisible(ticked);
}

void frmProgramLauncher::cmdBrowseProgramLocation_Click(LauncherPage& p) {
    frmBrowseProgram& picker = m_forms.get<frmBrowseProgram>();
    picker.who = static_cast<std::int16_t>(p.slot);
    picker.show();
}

void frmProgramLauncher::cmdOKProgram_Click() {
    for (int slot = 1; slot <= kSlots; ++slot)
        setValue(slot, "Path", page(slot).textProgramLocation.text());
    hide();
}

} // namespace quillan
