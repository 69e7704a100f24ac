#pragma once

#include "runtime/ComboBox.h"
#include "runtime/CommandButton.h"
#include "runtime/DirListBox.h"
#include "runtime/DriveListBox.h"
#include "runtime/FileListBox.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/Label.h"
#include "runtime/TextBox.h"

#include <string>

namespace quillan {

class Forms;

// A window that picks a program file from a drive, folder and file list; each window using it decides
// what OK does with the path picked.
class ProgramPicker : public Form {
  public:
    ProgramPicker(Forms& forms, const char* name, const char* caption, const char* heading);

    void userClose() override { hide(); }

    DriveListBox driveProgram{*this, "driveProgram"};
    DirListBox dirProgram{*this, "dirProgram"};
    FileListBox fileProgram{*this, "fileProgram"};
    ComboBox comboPattern{*this, "comboPattern"};
    Frame Frame1{*this, "Frame1"};
    TextBox textPL{*this, "textPL", &Frame1};
    Label Label1{*this, "Label1"};
    Label Label2{*this, "Label2", &Frame1};
    Label Label3{*this, "Label3"};
    CommandButton Command1{*this, "Command1"};
    CommandButton Command2{*this, "Command2"};

  protected:
    void Form_Load() override;
    // OK: takes the path of textPL.
    virtual void Command1_Click() = 0;

    Forms& m_forms;

  private:
    void driveProgram_Change();
    void fileProgram_Click();
};

} // namespace quillan
