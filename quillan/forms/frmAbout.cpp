#include "frmAbout.h"

#include "FormCatalog.h"
#include "Forms.h"
#include "modules/ProgramTitle.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmAbout);

namespace {
// System-information tools of the common desktops, in order of preference.
const char* const kSystemInfoTools[] = {"hardinfo", "hardinfo2", "kinfocenter", "gnome-system-monitor"};
} // namespace

frmAbout::frmAbout(Forms& forms)
    : Form(forms.services(), kName, std::string("About ") + kProgramTitle, 3600), m_forms(forms) {
    lblTitle.setCaption(kProgramTitle);
    lblVersion.setCaption("Version 1.0");
    lblDescription.setCaption("The Best Dialup Networking Companion!");
    cmdOK.setCaption("OK");
    cmdSysInfo.setCaption("&System Info");
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdSysInfo.Click = [this] { cmdSysInfo_Click(); };
}

void frmAbout::cmdSysInfo_Click() {
    ProcessStarter& processes = m_forms.services().processes;
    for (const char* tool : kSystemInfoTools) {
        const std::string path = processes.find(tool);
        if (!path.empty() && processes.start(path, {}, WindowStyle::Normal))
            return;
    }
    m_forms.services().boxes.show("System Information Is Unavailable At This Time", MsgButtons::OK,
                                  MsgIcon::None, kProgramTitle);
}

} // namespace quillan
