#pragma once

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/Label.h"
#include "runtime/TextBox.h"

#include <string>

namespace quillan {

class Forms;

// Edits the user name, password and domain the program dials a profile with; shown modally.
class frmEditProfile : public Form {
  public:
    static constexpr const char* kName = "frmEditProfile";
    explicit frmEditProfile(Forms& forms);

    // Fills the boxes with the profile's stored values.
    void fillFrom(const std::string& profile);

    Frame frameEditProfile{*this, "frameEditProfile"};
    TextBox textEditProfileName{*this, "textEditProfileName", &frameEditProfile};
    Label Label1{*this, "Label1", &frameEditProfile};
    TextBox textEditUsername{*this, "textEditUsername", &frameEditProfile};
    Label Label2{*this, "Label2", &frameEditProfile};
    TextBox textEditPassword{*this, "textEditPassword", &frameEditProfile};
    Label Label3{*this, "Label3", &frameEditProfile};
    TextBox textEditDomain{*this, "textEditDomain", &frameEditProfile};
    CommandButton cmdModifyProfile{*this, "cmdModifyProfile"};
    CommandButton cmdCancelModify{*this, "cmdCancelModify"};
    CommandButton cmdModifyHelp{*this, "cmdModifyHelp"};

  private:
    void cmdModifyProfile_Click();

    Forms& m_forms;
};

} // namespace quillan
