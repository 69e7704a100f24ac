#pragma once

#include "runtime/CheckBox.h"
#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/Label.h"
#include "runtime/OptionButton.h"
#include "runtime/TabControl.h"
#include "runtime/TextBox.h"

#include <array>
#include <memory>
#include <string>

namespace quillan {

class Forms;

// The controls of one slot's page, named with the slot number N (checkActivateProgramN, ...).
struct LauncherPage {
    LauncherPage(Form& form, TabControl& tabs, int slot);

    const int slot;
    CheckBox checkActivateProgram;
    Frame frameOptions;
    Label lblWhen;
    Frame frameWhen;
    OptionButton optionRunProgramAtCB;
    OptionButton optionRunProgramAtCnt;
    Label lblLocation;
    TextBox textProgramLocation;
    CommandButton cmdBrowseProgramLocation;
    Label lblState;
    Frame frameState;
    OptionButton optionPWSMinimize;
    OptionButton optionPWSNormal;
    OptionButton optionPWSMaximize;
};

// The five programs started around a call, one page each; edits go into the program data at once,
// the paths on OK.
class frmProgramLauncher : public Form {
  public:
    static constexpr const char* kName = "frmProgramLauncher";
    static constexpr int kSlots = 5;
    explicit frmProgramLauncher(Forms& forms);

    // Shows the program data on the pages; start-up runs it.
    void applyProgramData();

    LauncherPage& page(int slot) { return *m_pages.at(static_cast<size_t>(slot - 1)); }

    void userClose() override { hide(); }

    TabControl SSTab1{*this, "SSTab1", {"Program 1", "Program 2", "Program 3", "Program 4", "Program 5"}};
    Label lblSequence{*this, "lblSequence"};
    CommandButton cmdOKProgram{*this, "cmdOKProgram"};

  private:
    void bind(LauncherPage& page);
    void setValue(int slot, const char* field, const std::string& value);
    std::string value(int slot, const char* field) const;

    void checkActivateProgram_Click(LauncherPage& page);
    void cmdBrowseProgramLocation_Click(LauncherPage& page);
    void cmdOKProgram_Click();

    Forms& m_forms;
    std::array<std::unique_ptr<LauncherPage>, kSlots> m_pages;
};

} // namespace quillan
