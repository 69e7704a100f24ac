#pragma once

#include "runtime/CheckBox.h"
#include "runtime/ComboBox.h"
#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/Label.h"
#include "runtime/TabControl.h"
#include "runtime/TextBox.h"

#include <cstdint>
#include <string>

namespace quillan {

class Forms;

// Pages of the toolkit's tab control.
enum NetToolkitPage { kPageFinger = 0, kPageWhoIs = 1, kPageTime = 2, kPageGetHost = 3 };

// The two whois servers offered; the first is selected when the window opens.
inline constexpr const char* kWhoisServer1 = "whois.iana.org";
inline constexpr const char* kWhoisServer2 = "whois.verisign-grs.com";

// The net toolkit: finger, whois, network time and host lookup, each handed to its outside control,
// whose Done fills the page in.
class frmNetToolkit : public Form {
  public:
    static constexpr const char* kName = "frmNetToolkit";
    explicit frmNetToolkit(Forms& forms);
    ~frmNetToolkit() override;

    TabControl SSTab1{*this, "SSTab1", {"Finger", "Who Is", "Time", "Get Host"}};
    CommandButton Command1{*this, "Command1"};

    Label Label1{*this, "Label1", &SSTab1, kPageFinger};
    TextBox textQuery{*this, "textQuery", &SSTab1, kPageFinger};
    Label Label2{*this, "Label2", &SSTab1, kPageFinger};
    TextBox textHost{*this, "textHost", &SSTab1, kPageFinger};
    CheckBox chkverbose{*this, "chkverbose", &SSTab1, kPageFinger};
    CommandButton cmdFinger{*this, "cmdFinger", &SSTab1, kPageFinger};
    TextBox textFingerResult{*this, "textFingerResult", &SSTab1, kPageFinger};
    Label Label3{*this, "Label3", &SSTab1, kPageFinger};
    Label labelFingerWarn{*this, "labelFingerWarn", &SSTab1, kPageFinger};
    Label Label4{*this, "Label4", &SSTab1, kPageFinger};

    Label Label5{*this, "Label5", &SSTab1, kPageWhoIs};
    TextBox textWhoIsQuery{*this, "textWhoIsQuery", &SSTab1, kPageWhoIs};
    Label Label13{*this, "Label13", &SSTab1, kPageWhoIs};
    Label Label7{*this, "Label7", &SSTab1, kPageWhoIs};
    ComboBox comboWhoisServer{*this, "comboWhoisServer", &SSTab1, kPageWhoIs};
    CommandButton Command2{*this, "Command2", &SSTab1, kPageWhoIs};
    TextBox textWhoIsResult{*this, "textWhoIsResult", &SSTab1, kPageWhoIs};
    Label Label6{*this, "Label6", &SSTab1, kPageWhoIs};
    Label labelWhoisWarn{*this, "labelWhoisWarn", &SSTab1, kPageWhoIs};

    Frame Frame1{*this, "Frame1", &SSTab1, kPageTime};
    CommandButton cmdTime{*this, "cmdTime", &Frame1};
    Label Label8{*this, "Label8", &SSTab1, kPageTime};
    Label labelTime{*this, "labelTime", &SSTab1, kPageTime};
    Label Label9{*this, "Label9", &SSTab1, kPageTime};
    Label labelTimeWarn{*this, "labelTimeWarn", &SSTab1, kPageTime};

    Frame Frame3{*this, "Frame3", &SSTab1, kPageGetHost};
    Label Label10{*this, "Label10", &Frame3};
    TextBox txtHostName{*this, "txtHostName", &Frame3};
    CommandButton cmdGetAddress{*this, "cmdGetAddress", &Frame3};
    Frame Frame2{*this, "Frame2", &SSTab1, kPageGetHost};
    Label Label11{*this, "Label11", &Frame2};
    TextBox txtIPAddress{*this, "txtIPAddress", &Frame2};
    CommandButton cmdGetName{*this, "cmdGetName", &Frame2};
    Label Label12{*this, "Label12", &SSTab1, kPageGetHost};
    Label labelGethostWarn{*this, "labelGethostWarn", &SSTab1, kPageGetHost};

    // 1 after an address lookup was started, 2 after a name lookup, 0 before the first.
    std::int16_t pendingLookup() const { return m_pendingLookup; }

  private:
    void cmdGetAddress_Click();
    void cmdGetName_Click();
    void cmdFinger_Click();
    void Command2_Click();
    void cmdTime_Click();
    void GetHst1_Done(std::int16_t error);
    void finger_Done();
    void WhoIs1_Done();
    void Time1_Done(std::int16_t error);

    // Whether any phonebook entry has a connection up; says so when none has.
    bool connectionDetected();
    void warn(const std::string& message);

    Forms& m_forms;
    std::int16_t m_pendingLookup = 0;
};

} // namespace quillan
