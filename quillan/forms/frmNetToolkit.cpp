#include "frmNetToolkit.h"

#include "FormCatalog.h"
#include "Forms.h"
#include "controls/ControlError.h"
#include "frmWarn.h"
#include "modules/ProgramTitle.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmNetToolkit);

namespace {
// A step whose run-time error is passed over, so that the steps after it still run.
template <class Step> void skippingErrors(Step step) {
    try {
        step();
    } catch (const ControlError&) {
    }
}

// The result lines joined by CR LF, none after the last.
template <class Query> std::string resultText(Query& query) {
    std::string text;
    const int count = query.LineCount();
    for (int i = 0; i < count; ++i)
        text += (i == 0 ? "" : "\r\n") + query.Line(i);
    return text;
}
} // namespace

frmNetToolkit::frmNetToolkit(Forms& forms)
    : Form(forms.services(), kName, "Quillan's Net Toolkit", 5400), m_forms(forms) {
    Command1.setToolTip("Close this window");

    Label1.setCaption("&Query String :");
    textQuery.setToolTip("Username or the email recipient's name");
    Label2.setCaption("&Host Name :");
    textHost.setToolTip("Usually the domain name of the email address");
    chkverbose.setCaption("Verbose");
    chkverbose.setToolTip("Request for more information. Not all finger server support this option.");
    cmdFinger.setCaption("Finger!");
    textFingerResult.setToolTip("Holds the result of the finger query");
    Label3.setCaption("Status :");
    Label4.setCaption("Note : Not all host supports the finger protocol.");

    Label5.setCaption("&Query String :");
    textWhoIsQuery.setToolTip("Query String or the domain name");
    Label13.setCaption("Query String example : mydomain.com.");
    Label7.setCaption("Who Is &Server :");
    comboWhoisServer.addItem(kWhoisServer1);
    comboWhoisServer.addItem(kWhoisServer2);
    comboWhoisServer.setListIndex(0);
    Command2.setCaption("Who Is?");
    Label6.setCaption("Status :");

    cmdTime.setCaption("Get GMT Time");
    Label8.setCaption("Time :");
    labelTime.setCaption("GMT Time");
    Label9.setCaption("Status :");

    Frame3.setCaption("Get the IP address for a given Host Name");
    Label10.setCaption("&Host Name :");
    cmdGetAddress.setCaption("Get IP address");
    Frame2.setCaption("Get the Host Name for a given IP address");
    Label11.setCaption("&IP address :");
    cmdGetName.setCaption("Get Hostname");
    Label12.setCaption("Status :");

    Command1.Click = [this] { hide(); };
    cmdGetAddress.Click = [this] { cmdGetAddress_Click(); };
    cmdGetName.Click = [this] { cmdGetName_Click(); };
    cmdFinger.Click = [this] { cmdFinger_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    cmdTime.Click = [this] { cmdTime_Click(); };

    NetControls& net = m_forms.net();
    net.hostLookup.Done = [this](std::int16_t error) { GetHst1_Done(error); };
    net.finger.Done = [this] { finger_Done(); };
    net.whois.Done = [this] { WhoIs1_Done(); };
    net.time.Done = [this](std::int16_t error) { Time1_Done(error); };
}

frmNetToolkit::~frmNetToolkit() {
    NetControls& net = m_forms.net();
    net.hostLookup.Done = nullptr;
    net.finger.Done = nullptr;
    net.whois.Done = nullptr;
    net.time.Done = nullptr;
}

bool frmNetToolkit::connectionDetected() {
    DialUpControl& dialUp = m_forms.dialUp();
    bool connected = false;
    // Every entry is visited: the control is left on the last one.
    const std::int16_t count = dialUp.EntryCount();
    for (std::int16_t i = 0; i < count; ++i) {
        dialUp.setEntryName(dialUp.Entry(i));
        if (dialUp.IsConnected())
            connected = true;
    }
    if (!connected)
        services().boxes.show("No Connection detected!", MsgButtons::OK, MsgIcon::None, kProgramTitle);
    return connected;
}

void frmNetToolkit::warn(const std::string& message) {
    frmWarn& warning = m_forms.get<frmWarn>();
    warning.labelWarn.setCaption(message);
    warning.show();
}

void frmNetToolkit::cmdGetAddress_Click() {
    if (!connectionDetected())
        return;
    if (txtHostName.text().empty()) {
        warn("No Host Name Specified!");
        return;
    }
    HostLookupControl& lookup = m_forms.net().hostLookup;
    txtIPAddress.setText("");
    skippingErrors([&] { lookup.setHostName(txtHostName.text()); });
    labelGethostWarn.setCaption("Getting IP address...");
    skippingErrors([&] { lookup.setAction(kLookupAddress); });
    m_pendingLookup = kLookupAddress;
}

void frmNetToolkit::cmdGetName_Click() {
    if (!connectionDetected())
        return;
    if (txtIPAddress.text().empty()) {
        warn("No IP address specified");
        return;
    }
    HostLookupControl& lookup = m_forms.net().hostLookup;
    txtHostName.setText("");
    skippingErrors([&] { lookup.setHostAddress(txtIPAddress.text()); });
    labelGethostWarn.setCaption("Getting Hostname...");
    skippingErrors([&] { lookup.setAction(kLookupName); });
    m_pendingLookup = kLookupName;
}

void frmNetToolkit::GetHst1_Done(std::int16_t error) {
    HostLookupControl& lookup = m_forms.net().hostLookup;
    cmdGetName.setEnabled(true);
    cmdGetAddress.setEnabled(true);
    if (m_pendingLookup == kLookupAddress) {
        if (error != 0) {
            txtIPAddress.setText("Unknown");
            labelGethostWarn.setCaption("Unable to get Host IP address");
        } else {
            labelGethostWarn.setCaption("Get Host IP address Successful!");
            txtIPAddress.setText(lookup.HostAddress());
        }
    } else if (m_pendingLookup == kLookupName) {
        if (error != 0) {
            labelGethostWarn.setCaption("Unable to get Host Name");
            txtHostName.setText("Unknown");
        } else {
            labelGethostWarn.setCaption("Get Host Name Successful");
            txtHostName.setText(lookup.HostName());
        }
    }
}

void frmNetToolkit::cmdFinger_Click() {
    if (!connectionDetected())
        return;
    if (textQuery.text().empty()) {
        warn("No Query String Entered!");
        return;
    }
    if (textHost.text().empty()) {
        warn("No Host Name Entered!");
        return;
    }
    FingerControl& finger = m_forms.net().finger;
    try {
        textFingerResult.setText("");
        finger.setFailed(false);
        finger.setHost(textHost.text());
        finger.setVerbose(chkverbose.value());
        finger.setQuery(textQuery.text());
        setMousePointer(kPointerHourglass);
        finger.setAction(1);
        setMousePointer(kPointerDefault);
    } catch (const ControlError&) {
        labelFingerWarn.setCaption("Querying...");
        setMousePointer(kPointerDefault);
    }
}

void frmNetToolkit::finger_Done() {
    FingerControl& finger = m_forms.net().finger;
    if (finger.Failed())
        return;
    setMousePointer(kPointerDefault);
    textFingerResult.setText(resultText(finger));
    labelFingerWarn.setCaption("Finger Successful!");
}

void frmNetToolkit::Command2_Click() {
    if (!connectionDetected())
        return;
    if (textWhoIsQuery.text().empty()) {
        warn("No Query String Entered!");
        return;
    }
    WhoIsControl& whois = m_forms.net().whois;
    textWhoIsResult.setText("");
    labelWhoisWarn.setCaption("Querying... ");
    skippingErrors([&] { whois.setFailed(false); });
    // Nothing selected counts as the second server.
    skippingErrors(
        [&] { whois.setServer(comboWhoisServer.listIndex() == 0 ? kWhoisServer1 : kWhoisServer2); });
    skippingErrors([&] { whois.setQuery(textWhoIsQuery.text()); });
    skippingErrors([&] { whois.Query(); });
}

void frmNetToolkit::WhoIs1_Done() {
    WhoIsControl& whois = m_forms.net().whois;
    if (whois.Failed())
        return;
    textWhoIsResult.setText(resultText(whois));
    labelWhoisWarn.setCaption("Who Is Query Successful!");
}

void frmNetToolkit::cmdTime_Click() {
    if (!connectionDetected())
        return;
    TimeControl& time = m_forms.net().time;
    cmdTime.setEnabled(false);
    int error = 0;
    skippingErrors([&] { labelTimeWarn.setCaption("Querying Time from " + time.Host()); });
    try {
        time.GetTime();
    } catch (const ControlError& e) {
        error = e.number();
    }
    if (error != 0 && error != kErrorWouldBlock) {
        labelTimeWarn.setCaption("Time Unsucessful!");
        cmdTime.setEnabled(true);
    }
}

// A query that failed says so rather than claim success with an empty time.
void frmNetToolkit::Time1_Done(std::int16_t error) {
    cmdTime.setEnabled(true);
    if (error != 0) {
        labelTimeWarn.setCaption("Time Unsucessful!");
        return;
    }
    labelTime.setCaption(m_forms.net().time.TimeText());
    labelTimeWarn.setCaption("Get GMT time successful!");
}

} // namespace quillan
