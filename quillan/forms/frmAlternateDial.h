#pragma once

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/Label.h"
#include "runtime/TextBox.h"

#include <array>
#include <string>

namespace quillan {

class Forms;

// The alternate phone numbers of one profile, dialed in turn on redial.
class frmAlternateDial : public Form {
  public:
    static constexpr const char* kName = "frmAlternateDial";
    static constexpr int kSlots = 10;
    explicit frmAlternateDial(Forms& forms);

    // The profile whose numbers are edited.
    std::string profilecontext;

    // Slot k, 1 to 10.
    TextBox& textAN(int k) { return *m_boxes.at(static_cast<size_t>(k - 1)); }

    // Closing the window keeps what it shows, like a hidden console.
    void userClose() override { hide(); }

    Frame frameAPL{*this, "frameAPL"};
    Frame Frame1{*this, "Frame1", &frameAPL};
    Label Label1{*this, "Label1", &Frame1};
    TextBox textAN1{*this, "textAN1", &Frame1};
    Frame Frame2{*this, "Frame2", &frameAPL};
    Label Label2{*this, "Label2", &Frame2};
    TextBox textAN2{*this, "textAN2", &Frame2};
    Frame Frame3{*this, "Frame3", &frameAPL};
    Label Label3{*this, "Label3", &Frame3};
    TextBox textAN3{*this, "textAN3", &Frame3};
    Frame Frame4{*this, "Frame4", &frameAPL};
    Label Label4{*this, "Label4", &Frame4};
    TextBox textAN4{*this, "textAN4", &Frame4};
    Frame Frame5{*this, "Frame5", &frameAPL};
    Label Label5{*this, "Label5", &Frame5};
    TextBox textAN5{*this, "textAN5", &Frame5};
    Frame Frame6{*this, "Frame6", &frameAPL};
    Label Label6{*this, "Label6", &Frame6};
    TextBox textAN6{*this, "textAN6", &Frame6};
    Frame Frame7{*this, "Frame7", &frameAPL};
    Label Label7{*this, "Label7", &Frame7};
    TextBox textAN7{*this, "textAN7", &Frame7};
    Frame Frame8{*this, "Frame8", &frameAPL};
    Label Label8{*this, "Label8", &Frame8};
    TextBox textAN8{*this, "textAN8", &Frame8};
    Frame Frame9{*this, "Frame9", &frameAPL};
    Label Label9{*this, "Label9", &Frame9};
    TextBox textAN9{*this, "textAN9", &Frame9};
    Frame Frame10{*this, "Frame10", &frameAPL};
    Label Label10{*this, "Label10", &Frame10};
    TextBox textAN10{*this, "textAN10", &Frame10};
    CommandButton cmdOkAlternative{*this, "cmdOkAlternative"};
    CommandButton Command3{*this, "Command3"};

  private:
    void textAN_Change(TextBox& box);
    void cmdOkAlternative_Click();

    Forms& m_forms;
    std::array<TextBox*, kSlots> m_boxes;
};

} // namespace quillan
