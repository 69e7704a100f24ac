#pragma once

#include "runtime/CheckBox.h"
#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Label.h"

#include <filesystem>

namespace quillan {

class Forms;

// The flag file whose presence turns the close reminder off for good.
inline constexpr const char* kCloseReminderFileName = "cc1.txt";

// Reminds the user that closing the configuration console without saving keeps nothing for the next start.
class frmCloseConfig : public Form {
  public:
    static constexpr const char* kName = "frmCloseConfig";
    explicit frmCloseConfig(Forms& forms);

    // True once the user has asked never to be reminded again.
    static bool reminderRemoved(const std::filesystem::path& dataDir);

    Label Label1{*this, "Label1"};
    CheckBox checkRemoveCloseReminder{*this, "checkRemoveCloseReminder"};
    CommandButton cmdYesClose{*this, "cmdYesClose"};
    CommandButton cmdNoClose{*this, "cmdNoClose"};

  private:
    void cmdYesClose_Click();
    bool removeReminder();

    Forms& m_forms;
};

} // namespace quillan
