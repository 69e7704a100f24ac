#include "ProgramPicker.h"

#include "Forms.h"
#include "runtime/PathNames.h"

namespace quillan {

ProgramPicker::ProgramPicker(Forms& forms, const char* name, const char* caption, const char* heading)
    : Form(forms.services(), name, caption), m_forms(forms) {
    Label1.setCaption("Current &Drive :");
    Label2.setCaption("&Selected Program :");
    Label3.setCaption(heading);
    Frame1.setCaption("Program Location");
    fileProgram.setToolTip("Click on the filename you wish to run");
    comboPattern.setToolTip("File Filters");
    textPL.setToolTip("Specifies the full path of the program to run");
    Command1.setToolTip("OK");
    Command2.setToolTip("Cancel");
    comboPattern.addItem("*.exe;*.com;*.bat;*.lnk");
    comboPattern.addItem("*.*");
    fileProgram.setListsPrograms(true);

    driveProgram.Change = [this] { driveProgram_Change(); };
    dirProgram.Change = [this] { fileProgram.setPath(dirProgram.path()); };
    fileProgram.Click = [this] { fileProgram_Click(); };
    fileProgram.PatternChange = [this] { comboPattern.setText(fileProgram.pattern()); };
    comboPattern.Click = [this] { fileProgram.setPattern(comboPattern.text()); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { hide(); };
}

void ProgramPicker::Form_Load() {
    fileProgram.setPattern("*.exe;*.com;*.lnk;*.bat");
}

void ProgramPicker::driveProgram_Change() {
    try {
        dirProgram.setPath(driveProgram.drive());
    } catch (const FolderError&) {
        // A drive that cannot be opened: back to the drive of the folder shown.
        driveProgram.setDrive(driveProgram.driveOf(dirProgram.path()));
    }
}

void ProgramPicker::fileProgram_Click() {
    textPL.setText(joinPath(fileProgram.path(), fileProgram.text()));
}

} // namespace quillan
