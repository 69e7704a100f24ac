#include "formRAS.h"

#include "CallProcedures.h"
#include "FormCatalog.h"
#include "Forms.h"
#include "frmConfig.h"
#include "frmConnectNoDefault.h"
#include "frmDeleteProfile.h"
#include "frmStart.h"
#include "modules/ProgramTitle.h"
#include "runtime/ListBox.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string_view>

namespace quillan {

QUILLAN_REGISTER_FORM(formRAS);

namespace {

// True when text holds word, ignoring case, starting after its first character. Runs on every tick,
// so it compares in place.
bool containsAfterFirst(std::string_view text, std::string_view word) {
    if (text.size() < 2)
        return false;
    // Status lines are ASCII: a plain fold is enough, and far cheaper than the locale's.
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    auto same = [&fold](char a, char b) { return fold(a) == fold(b); };
    return std::search(text.begin() + 1, text.end(), word.begin(), word.end(), same) != text.end();
}

} // namespace

formRAS::formRAS(Forms& forms)
    : Form(forms.services(), kName, "formRAS"), mRAS1(forms.dialUp()), m_forms(forms) {
    mRAS1.Progress = [this](std::int16_t ConnectState) { mRAS1_Progress(ConnectState); };
    timerredial.Tick = [this] { timerredial_Timer(); };
}

formRAS::ListedKeys formRAS::listedKeys() {
    ListedKeys keys;
    for (const std::string& listed : m_forms.get<frmConfig>().listProfiles.items())
        for (std::string& key : profileKeys(listed))
            keys.emplace(std::move(key), listed);
    return keys;
}

void formRAS::addToProfileLists(const std::string& name, ListedKeys& listed) {
    m_forms.get<frmConfig>().listProfiles.addItem(name);
    m_forms.get<frmConnectNoDefault>().listdialchoose.addItem(name);
    for (std::string& key : profileKeys(name))
        listed.emplace(std::move(key), name);
}

bool formRAS::acceptsProfileName(const std::string& name, const ListedKeys& listed) {
    std::string clash;
    const std::string recorded = profileKeyClash(m_forms.m().profiledata, name);
    if (recorded != name)
        clash = recorded;
    // Looked up key by key, so that a long phonebook is not compared name with name.
    for (const std::string& key : profileKeys(name)) {
        const auto owner = listed.find(key);
        if (clash.empty() && owner != listed.end() && owner->second != name)
            clash = owner->second;
    }
    if (clash.empty())
        return true;
    // Their records would share keys, and the settings file could not be read back.
    m_forms.services().boxes.show("The phonebook entry \"" + name +
                                      "\" cannot be used as a profile: its records "
                                      "would mix with those of the profile \"" +
                                      clash +
                                      "\". Rename the entry in the phonebook and start Quillan again.",
                                  MsgButtons::OK, MsgIcon::Exclamation, kProgramTitle);
    return false;
}

bool formRAS::checkPhonebook() {
    const PhonebookHealth health = mRAS1.phonebookHealth();
    const Module1& m = m_forms.m();
    const size_t profiles = m.profiledata.count() / (1 + std::size(kProfileFields));
    std::string problem;
    if (!health.unreadable.empty())
        problem = "Quillan cannot read the phonebook \"" + health.file + "\": " + health.unreadable + ".";
    else if (health.missing && m.firstrun == "false" && profiles > 0)
        problem = "The phonebook \"" + health.file + "\" is missing, but Quillan's settings hold " +
                  std::to_string(profiles) + " connection profiles.";
    if (!problem.empty()) {
        m_forms.services().boxes.show(problem +
                                          "\n\nYour connection profiles are kept and the phonebook is not "
                                          "changed. Put the phonebook back (or name it with --phonebook) "
                                          "and start Quillan again.",
                                      MsgButtons::OK, MsgIcon::Critical, kProgramTitle);
        return false;
    }
    for (const std::string& name : health.repeated) {
        if (std::find(m_toldRepeated.begin(), m_toldRepeated.end(), name) != m_toldRepeated.end())
            continue;
        m_toldRepeated.push_back(name);
        m_forms.services().boxes.show("The phonebook \"" + health.file + "\" has more than one [" + name +
                                          "] section. Quillan uses them as one entry and will not change it "
                                          "until all but one of them are removed from the file.",
                                      MsgButtons::OK, MsgIcon::Exclamation, kProgramTitle);
    }
    return true;
}

void formRAS::LoadEntries() {
    Module1& m = m_forms.m();
    mRAS1.Refresh();
    m_phonebookUntrusted = !checkPhonebook();
    if (m.newprofilepending == "true") {
        const std::int16_t count = mRAS1.EntryCount();
        // Only a phonebook that grew holds a new entry: one shrunk by removals outside has none.
        if (count > m.profilecount) {
            const std::string name = mRAS1.Entry(static_cast<std::int16_t>(count - 1));
            m.newprofilepending = "false";
            ListedKeys listed = listedKeys();
            if (!acceptsProfileName(name, listed))
                return;
            addToProfileLists(name, listed);
            ++m.profilecount;
            addDefaultProfile(m.profiledata, name);
            return;
        }
    }
    // A cancelled new entry can bring a first run here twice: the launcher records are added once only.
    if (m.firstrun == "true")
        addDefaultPrograms(m.programdata);
    const std::int16_t count = mRAS1.EntryCount();
    ListedKeys listed = listedKeys();
    for (std::int16_t i = 0; i < count; ++i) {
        const std::string name = mRAS1.Entry(i);
        if (m.newprofilepending != "false" || !acceptsProfileName(name, listed))
            continue;
        if (m.firstrun == "true")
            addDefaultProfile(m.profiledata, name);
        addToProfileLists(name, listed);
        ++m.profilecount;
    }
}

void formRAS::reconcileProfiles(std::int16_t settingsProfileCount) {
    if (m_phonebookUntrusted)
        return;
    MessageBoxes& boxes = m_forms.services().boxes;
    auto& listProfiles = m_forms.get<frmConfig>().listProfiles;
    const int phonebookCount = listProfiles.listCount();
    if (settingsProfileCount > phonebookCount) {
        boxes.show(
            "Quillan has detected that you have deleted away some connection profiles. You are required to "
            "update the config",
            MsgButtons::OK, MsgIcon::Critical, "Updating Quillan");
        m_forms.get<frmDeleteProfile>().showModal();
    } else if (settingsProfileCount < phonebookCount) {
        boxes.show("Quillan has detected that you have created new DUN profile. You need to provide Quillan "
                   "with the "
                   "new name of your connection profiles.",
                   MsgButtons::OK, MsgIcon::Critical, "Updating Quillan");
        for (int i = settingsProfileCount; i < phonebookCount; ++i)
            addDefaultProfile(m_forms.m().profiledata, listProfiles.list(i));
    }
}

void formRAS::getconnections() {
    Module1& m = m_forms.m();
    if (m.dialing == "true")
        return;
    frmStart& console = m_forms.get<frmStart>();
    const ListBox& status = console.listConnectionStatus;
    if (status.listCount() > 0 && containsAfterFirst(status.list(status.listCount() - 1), "Disconnected"))
        return;
    const std::int16_t count = mRAS1.EntryCount();
    for (std::int16_t i = 0; i < count; ++i) {
        const std::string& name = mRAS1.Entry(i);
        mRAS1.setEntryName(name);
        if (mRAS1.IsConnected() && name != m.currentprofile) {
            adoptConnection(std::string(name));
            return;
        }
    }
    mRAS1.setEntryName(m.currentprofile);
    if (!mRAS1.IsConnected() && m.connected == "true")
        noticeDrop();
}

void formRAS::noticeDrop() {
    Module1& m = m_forms.m();
    m.connected = "false";
    CallProcedures(m_forms).endCallRecord("Hanged up on " + m.currentprofile);
    m.clock.zero();
}

void formRAS::adoptConnection(const std::string& name) {
    Module1& m = m_forms.m();
    recordReplacedCall();
    m_forms.services().boxes.show(
        "Quillan has detected an active conection called " + name +
            ". Time elapsed will not be accurate. To disconnect, use the Disconnect option "
            "in the Windows Dialup Networking.",
        MsgButtons::OK, MsgIcon::Information, "Active Connection Detected!");
    m.clearWarnedFlags();
    m.userhangup = "false";
    m.connected = "true";
    m.dialing = "false";
    m.starttime = m_forms.services().clock.now();
    ANindex = 0;
    m.clock.zero();
    CallProcedures(m_forms).loadMonthLog();
    mRAS1.setEntryName(name);
    mRAS1.LoadEntry();
    frmStart& console = m_forms.get<frmStart>();
    console.cmdConnectDefault.setEnabled(false);
    console.cmdHangup.setEnabled(true);
    m_forms.get<frmConfig>().cmdDial.setEnabled(false);
    m.currentprofile = name;
    console.timer.setEnabled(true);
    console.listConnectionStatus.clear();
    console.addStatus("Connected to " + name);
}

void formRAS::recordReplacedCall() {
    // The adopted connection takes over the clock: the call it replaces keeps its time in the month's log.
    if (m_forms.m().connected == "true")
        CallProcedures(m_forms).endCallRecord();
}

// --- Dial sequence: progress of a dial, redial and the alternate numbers ---

void formRAS::mRAS1_Progress(std::int16_t ConnectState) {
    frmStart& console = m_forms.get<frmStart>();
    console.addStatus(mRAS1.StatusText());
    if (ConnectState == kStateConnected) {
        ANindex = 0;
        const ListBox& status = console.listConnectionStatus;
        // The control reports some failures with the connected state; their text gives them away.
        if (containsAfterFirst(status.list(status.listCount() - 1), "fails"))
            return;
        CallProcedures(m_forms).connectedActions();
    } else if (ConnectState == kStateDisconnected) {
        failedAttempt();
    }
}

void formRAS::failedAttempt() {
    Module1& m = m_forms.m();
    frmStart& console = m_forms.get<frmStart>();
    const SettingsRecord& s = m.settings;
    if (m.userhangup == "false" && s.redialtillconnect == "true") {
        mRAS1.HangUp();
        timerredial.setEnabled(true);
        console.addStatus("Connection fails... ");
        console.addStatus("Redialing till connected");
    } else if (m.userhangup == "false" && s.redialntimes == "true") {
        ++redial;
        mRAS1.HangUp();
        timerredial.setEnabled(true);
        console.addStatus("Connection fails... ");
        console.addStatus("Redialing for " + std::to_string(s.redialcount) + " times");
    } else {
        m.dialing = "false";
        m_forms.services().boxes.show("Connection Failed!", MsgButtons::OK, MsgIcon::Exclamation,
                                      "Connection Status");
        console.cmdConnectDefault.setEnabled(true);
        console.cmdHangup.setEnabled(false);
        m_forms.get<frmConfig>().cmdDial.setEnabled(true);
    }
}

void formRAS::timerredial_Timer() {
    const SettingsRecord& s = m_forms.m().settings;
    if (s.redialntimes == "true" && redial > s.redialcount) {
        redialLimitReached();
        return;
    }
    if (m_tickCount < 6) {
        ++m_tickCount;
        return;
    }
    redialStep();
}

void formRAS::redialLimitReached() {
    Module1& m = m_forms.m();
    frmStart& console = m_forms.get<frmStart>();
    m_forms.services().boxes.show("Redial limit of " + std::to_string(m.settings.redialcount) +
                                      " times reached",
                                  MsgButtons::OK, MsgIcon::None, kProgramTitle);
    timerredial.setEnabled(false);
    console.timer.setEnabled(false);
    m.clock.zero();
    CallProcedures calls(m_forms);
    calls.returnToIdle("Redial attempts terminated", true);
    calls.resetTrayTip();
}

void formRAS::redialStep() {
    Module1& m = m_forms.m();
    frmStart& console = m_forms.get<frmStart>();
    CallProcedures calls(m_forms);
    timerredial.setEnabled(false);
    m.clock.zero();
    const std::string profile = m.currentprofile;
    // Redials always use the stored credentials, whatever was typed for the first attempt.
    const DialCredentials stored = calls.storedCredentials(profile);
    auto setCredentials = [&] {
        mRAS1.setUserName(stored.userName);
        mRAS1.setPassword(stored.password);
        mRAS1.setDomain(stored.domain);
    };
    if (m.dialalternates == "false") {
        mRAS1.setEntryName(profile);
        setCredentials();
    } else if (const std::int16_t slot = chooseNumber(); slot == 0) {
        mRAS1.setEntryName(profile);
        mRAS1.LoadEntry();
        setCredentials();
        console.addStatus("Dialing DUN phone number");
    } else {
        mRAS1.setEntryName("");
        mRAS1.setPhoneNumber(m.profiledata.value(profile + "AN" + std::to_string(slot)));
        setCredentials();
        const std::string sequence =
            slot == 1 ? "Dialing sequence #1 : " : "Dialing sequence #" + std::to_string(slot) + ": ";
        console.addStatus(sequence + mRAS1.PhoneNumber());
    }
    m.dialing = "true";
    mRAS1.setEntryName(profile);
    mRAS1.Dial();
    calls.setDialCommandsEnabled(false);
    console.timer.setEnabled(true);
    console.cmdHangup.setEnabled(true);
    console.mPopHangup.setEnabled(true);
    m_tickCount = 0;
}

std::int16_t formRAS::chooseNumber() {
    const Module1& m = m_forms.m();
    auto slotSet = [&](int k) {
        return m.profiledata.value(m.currentprofile + "AN" + std::to_string(k)) != "0";
    };
    // Walks on from the slot of the last attempt to the next set slot; past slot 10, the phonebook number.
    for (int k = ANindex + 1; k <= 10; ++k) {
        ANindex = static_cast<std::int16_t>(k);
        if (slotSet(k))
            return ANindex;
    }
    ANindex = 0;
    return 0;
}

} // namespace quillan
