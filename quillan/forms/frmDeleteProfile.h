#pragma once

#include "modules/KeyedCollection.h"
#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/ListBox.h"

namespace quillan {

class Forms;

// Lets the user drop the records of profiles that have left the phonebook; start-up opens it modally.
class frmDeleteProfile : public Form {
  public:
    static constexpr const char* kName = "frmDeleteProfile";
    explicit frmDeleteProfile(Forms& forms);

    // Closing the window ignores the deleted profiles, as Ignore does.
    void userClose() override { backToMainConsole(); }

    Label Label1{*this, "Label1"};
    // The profile names read from the settings file, each with a check box.
    ListBox listUpdateProfiles{*this, "listUpdateProfiles", nullptr, -1, true};
    CommandButton cmdDeleteProfile{*this, "cmdDeleteProfile"};
    CommandButton cmdUpdateCancel{*this, "cmdUpdateCancel"};
    CommandButton cmdUpdateHelp{*this, "cmdUpdateHelp"};

    // The ticked names, keyed by name, in the order they were ticked.
    KeyedCollection checkedprofile;

  private:
    void listUpdateProfiles_ItemCheck(int index);
    void cmdDeleteProfile_Click();
    void backToMainConsole();

    Forms& m_forms;
};

} // namespace quillan
