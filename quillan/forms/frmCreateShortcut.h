#pragma once

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/TextBox.h"

#include <string>

namespace quillan {

class Forms;

// Puts a launcher of the program on the user's desktop; start-up loads it without showing it.
class frmCreateShortcut : public Form {
  public:
    static constexpr const char* kName = "frmCreateShortcut";
    explicit frmCreateShortcut(Forms& forms);

    Label Label1{*this, "Label1"};
    Label Label2{*this, "Label2"};
    TextBox txtShortcutName{*this, "txtShortcutName"};
    CommandButton cmdCreateShortcut{*this, "cmdCreateShortcut"};
    CommandButton cmdCreateCancel{*this, "cmdCreateCancel"};
    // The desktop folder the shortcut goes to.
    TextBox txtShortcutDir{*this, "txtShortcutDir"};
    TextBox txtExename{*this, "txtExename"};

    // Makes the shortcut in the programs menu, then moves it to destination; tells the user when it cannot.
    void CreateDesktopShortcut(const std::string& destination, std::string name);

  protected:
    void Form_Load() override;

  private:
    void cmdCreateShortcut_Click();
    void txtShortcutName_KeyPress(char& KeyAscii);
    void unableToCreate(const std::string& why);
};

} // namespace quillan
