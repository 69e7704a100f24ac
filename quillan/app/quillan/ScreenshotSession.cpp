#include "ScreenshotSession.h"

#include "ProcessAge.h"
#include "Program.h"
#include "TimerBinding.h"

#include "PhonebookEntryDialog.h"

#include "forms/frmNetToolkit.h"
#include "forms/frmStart.h"
#include "runtime/CheckBox.h"
#include "runtime/CommandButton.h"
#include "runtime/ListBox.h"
#include "runtime/MenuItem.h"
#include "runtime/OptionButton.h"
#include "runtime/TabControl.h"
#include "runtime/TextBox.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace quillan {

using namespace std::chrono_literals;

namespace {
constexpr auto kPollInterval = 100ms;
constexpr auto kShortestPollInterval = 10ms;
constexpr auto kStartUpOnlyTime = 3s;
// The longest an auto-dial of the start-up, redials included, is followed before the program quits.
constexpr auto kAutoDialTime = 60s;
// The demo's virtual network: the busy line's first alternate is busy too, the second answers.
constexpr const char* kBusyAlternate = "5550201";
constexpr const char* kAnsweringAlternate = "5550202";
// The connection a newcomer adds through the entry editor, and its credentials.
constexpr const char* kNewEntry = "Demo Night Line";
constexpr const char* kNewEntryNumber = "5550100";
constexpr auto kReadingTime = 1500ms;
void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}
} // namespace

ScreenshotSession::ScreenshotSession(Program& program, std::filesystem::path folder, int pace)
    : m_program(program), m_recorder(std::move(folder), pace), m_pace(pace) {
    TimerBinding::setPace(pace);
    program.services().observers.push_back(this);
    program.views().windowExposed = [this](Form& form, QWidget& window) {
        noteWindowShown();
        m_recorder.shootSoon(window, form.name());
    };
    program.boxes().shown = [this](QMessageBox& box) {
        noteWindowShown();
        say("message box \"" + box.windowTitle().toStdString() + "\": " + box.text().toStdString());
        m_recorder.shootAndAnswer(box);
    };
    // The shortcut goes to a desktop inside the data folder, not to the desktop of whoever runs the demo.
    DesktopPlaces& places = program.services().desktop;
    places.applications = program.services().dataDir / "applications";
    places.desktop = program.services().dataDir / "Desktop";
    std::filesystem::create_directories(places.desktop);
    program.entryEditorOpened = [this](PhonebookEntryDialog& dialog) {
        noteWindowShown();
        dialog.findChild<QLineEdit*>("entryName")->setText(kNewEntry);
        dialog.findChild<QLineEdit*>("entryNumber")->setText(kNewEntryNumber);
        m_recorder.shootSoon(dialog, "PhonebookEntryDialog");
        QTimer::singleShot(kReadingTime / m_pace, &dialog, [&dialog] { dialog.accept(); });
    };
    planDemoCall();
    m_stepStarted = std::chrono::steady_clock::now();
    QObject::connect(&m_poll, &QTimer::timeout, [this] { poll(); });
    m_poll.start(std::max<std::chrono::milliseconds>(kPollInterval / m_pace, kShortestPollInterval));
}

ScreenshotSession::~ScreenshotSession() {
    auto& observers = m_program.services().observers;
    observers.erase(std::remove(observers.begin(), observers.end(), this), observers.end());
    m_program.views().windowExposed = nullptr;
    m_program.boxes().shown = nullptr;
    m_program.entryEditorOpened = nullptr;
    TimerBinding::setPace(1);
}

void ScreenshotSession::noteWindowShown() {
    if (m_firstWindowSeen)
        return;
    m_firstWindowSeen = true;
    say("first window on screen " + std::to_string(processAgeMs()) + " ms after the program started");
}

void ScreenshotSession::controlChanged(Control& control, Property property) {
    // Every line the dialing adds to the status list is selected as it arrives.
    if (property != Property::ListIndex || control.name() != "listConnectionStatus" ||
        control.form().name() != frmStart::kName)
        return;
    const std::string line = static_cast<ListBox&>(control).text();
    if (!line.empty())
        say("status: " + line);
}

void ScreenshotSession::planConnectActionWindows() {
    // Each window is opened as a user would, pictured, and closed again with the settings as they were.
    act("open the program launcher", [this] {
        control<TabControl>("frmConfig", "SSTab1").setTab(3);
        click("frmConfig", "checkLaunchPrograms");
        click("frmConfig", "cmdLaunchPrograms");
        click("frmProgramLauncher", "checkActivateProgram1");
    });
    pause(500ms);
    act("picture of the launcher", [this] { shoot("frmProgramLauncher", "frmProgramLauncher"); });
    act("open the program picker", [this] { click("frmProgramLauncher", "cmdBrowseProgramLocation1"); });
    pause(500ms);
    act("picture of the picker", [this] { shoot("frmBrowseProgram", "frmBrowseProgram"); });
    act("close the launcher", [this] {
        click("frmBrowseProgram", "Command2");
        click("frmProgramLauncher", "checkActivateProgram1");
        click("frmProgramLauncher", "cmdOKProgram");
        click("frmConfig", "checkLaunchPrograms");
    });
    act("open the sound window", [this] {
        click("frmConfig", "checkPlaySound");
        click("frmConfig", "cmdShowSound");
        click("frmSound", "optionPlayCustomSound");
    });
    pause(500ms);
    act("picture of the sound window", [this] { shoot("frmSound", "frmSound"); });
    act("close the sound window", [this] {
        click("frmSound", "optionPlayDefaultSound");
        click("frmSound", "cmdSoundOK");
        click("frmConfig", "checkPlaySound");
    });
}

void ScreenshotSession::planDemoCall() {
    waitFor(
        "the first window", [this] { return visible("frmConfig") || visible(frmStart::kName); }, 30s);
    act("check for a first run", [this] {
        // Someone's own settings may name real modems: calls are dialed only on a fresh folder.
        if (m_program.module1().firstrun == "true")
            return;
        say("not a first run: the windows of the start-up only, no call is dialed but the auto-dial");
        m_next = m_steps.size();
        quitAfterStartUp(std::chrono::steady_clock::now());
    });
    pause(1s);
    for (int page = 0; page < 5; ++page) {
        act("configuration page " + std::to_string(page), [this, page] {
            if (visible("frmConfig"))
                control<TabControl>("frmConfig", "SSTab1").setTab(page);
        });
        pause(300ms);
        act("picture of the page",
            [this, page] { shoot("frmConfig", "frmConfig-page" + std::to_string(page)); });
        pause(400ms);
    }
    planConnectActionWindows();
    act("show the timer console and the cost of each call, at ten cents a minute", [this] {
        click("frmConfig", "checkDisplayTimer");
        click("frmConfig", "checkConnectionCost");
        click("frmConfig", "optionCPM");
        auto& cents = control<TextBox>("frmConfig", "textVarCent");
        cents.setText("10");
        cents.userLeave();
    });
    planNewConnection();
    planShortcut();
    act("make the clean line the default and save", [this] {
        control<TabControl>("frmConfig", "SSTab1").setTab(0);
        choose("frmConfig", "listProfiles", 0);
        click("frmConfig", "cmdMakeDefault");
        click("frmConfig", "optionNoPromptPassword");
        click("frmConfig", "cmdSave");
    });
    waitFor(
        "the main console", [this] { return visible(frmStart::kName); }, 10s);
    pause(800ms);
    act("open About", [this] { click(frmStart::kName, "cmdAbout"); });
    pause(800ms);
    act("close About", [this] { click("frmAbout", "cmdOK"); });
    act("open the help", [this] { click(frmStart::kName, "cmdStartHelp"); });
    pause(800ms);
    act("close the help", [this] { click("frmHelpStart", "cmdHelpStartOK"); });

    planCall(0, "clean");
    act("look up localhost in the Net Toolkit", [this] {
        click(frmStart::kName, "cmdNetTools");
        control<TabControl>(frmNetToolkit::kName, "SSTab1").setTab(kPageGetHost);
        type(frmNetToolkit::kName, "txtHostName", "localhost");
        click(frmNetToolkit::kName, "cmdGetAddress");
    });
    waitFor(
        "the address of localhost",
        [this] { return !control<TextBox>(frmNetToolkit::kName, "txtIPAddress").text().empty(); }, 10s);
    pause(600ms);
    act("picture of the Net Toolkit", [this] { shoot(frmNetToolkit::kName, "frmNetToolkit-get-host"); });
    pause(600ms);
    act("close the Net Toolkit", [this] { click(frmNetToolkit::kName, "Command1"); });
    act("hang up with the button", [this] { click(frmStart::kName, "cmdHangup"); });
    pause(1500ms);
    act("picture after the hang-up", [this] { shoot(frmStart::kName, "frmStart-clean-hung-up"); });
    closeCallWindows();

    act("give the busy line two alternate numbers", [this] {
        click(frmStart::kName, "cmdConfiguration");
        choose("frmConfig", "listProfiles", 1);
        click("frmConfig", "checkDialAlternate");
        click("frmConfig", "cmdDialAlternate");
        control<TextBox>("frmAlternateDial", "textAN1").setText(kBusyAlternate);
        control<TextBox>("frmAlternateDial", "textAN2").setText(kAnsweringAlternate);
    });
    pause(800ms);
    act("keep the alternate numbers", [this] { click("frmAlternateDial", "cmdOkAlternative"); });
    planCall(1, "busy");
    act("hang up from the tray menu", [this] { click(frmStart::kName, "mPopHangup"); });
    pause(1500ms);
    closeCallWindows();

    planCall(2, "dropped");
    waitFor(
        "the line to drop", [this] { return m_program.module1().connected != "true"; }, 60s);
    pause(1500ms);
    act("picture after the drop", [this] { shoot(frmStart::kName, "frmStart-dropped"); });
    pause(1s);
    act("exit", [this] { click(frmStart::kName, "cmdExit"); });
    waitFor(
        "the program's end", [] { return false; }, 15s);
}

void ScreenshotSession::planNewConnection() {
    act("open the notice for a new connection", [this] {
        control<TabControl>("frmConfig", "SSTab1").setTab(0);
        click("frmConfig", "cmdNewProfile");
    });
    pause(800ms);
    act("proceed to the entry editor", [this] { click("frmWarnNewConnection", "cmdProceed"); });
    act("give the new connection its user name and password", [this] {
        auto& profiles = control<ListBox>("frmConfig", "listProfiles");
        const int last = profiles.listCount() - 1;
        if (last < 0 || profiles.list(last) != kNewEntry)
            throw std::runtime_error("the new connection is not in the list");
        choose("frmConfig", "listProfiles", last);
        // The editor is modal: it is filled in and closed from inside its own loop.
        QTimer::singleShot(kReadingTime / m_pace, [this] {
            type("frmEditProfile", "textEditUsername", "night");
            type("frmEditProfile", "textEditPassword", "owl");
            QTimer::singleShot(kReadingTime / m_pace,
                               [this] { click("frmEditProfile", "cmdModifyProfile"); });
        });
        click("frmConfig", "cmdEditProfile");
        say("profile " + std::string(kNewEntry) + ": user name " +
            m_program.module1().profiledata.value(std::string(kNewEntry) + "Username"));
    });
}

void ScreenshotSession::planShortcut() {
    act("open the shortcut window", [this] {
        control<TabControl>("frmConfig", "SSTab1").setTab(3);
        click("frmConfig", "cmdCreateShort");
    });
    pause(800ms);
    act("create the shortcut", [this] {
        click("frmCreateShortcut", "cmdCreateShortcut");
        for (const auto& file : std::filesystem::directory_iterator(m_program.services().desktop.desktop))
            say("desktop shortcut: " + file.path().string());
    });
    act("close the shortcut window", [this] { click("frmCreateShortcut", "cmdCreateCancel"); });
}

void ScreenshotSession::planCall(int profile, const std::string& line) {
    act("dial the " + line + " line with a user name", [this, profile] {
        click(frmStart::kName, "cmdConfiguration");
        choose("frmConfig", "listProfiles", profile);
        click("frmConfig", "cmdDial");
    });
    waitFor(
        "the dial window", [this] { return visible("frmDialSelected"); }, 10s);
    act("type the credentials", [this] {
        type("frmDialSelected", "textDialUsername", "demo");
        type("frmDialSelected", "textDialPassword", "demo");
    });
    pause(600ms);
    act("press Dial", [this] { click("frmDialSelected", "cmdDialDial"); });
    pause(1500ms);
    act("picture while dialing", [this, line] { shoot(frmStart::kName, "frmStart-" + line + "-dialing"); });
    waitFor(
        "the connection", [this] { return m_program.module1().connected == "true"; }, 90s);
    act("bring the console back from the tray", [this] {
        if (!visible(frmStart::kName))
            m_program.forms().get<frmStart>().trayMessage(kTrayLeftUp);
    });
    pause(3s);
    act("picture of the call", [this, line] { shoot(frmStart::kName, "frmStart-" + line + "-connected"); });
    pause(600ms);
}

void ScreenshotSession::closeCallWindows() {
    pause(600ms);
    act("close the cost and timer windows", [this] {
        if (visible("frmCost"))
            click("frmCost", "Command1");
        if (visible("frmTimerConsole"))
            click("frmTimerConsole", "cmdTimerClose");
    });
}

void ScreenshotSession::quitAfterStartUp(std::chrono::steady_clock::time_point since) {
    const auto waited = std::chrono::steady_clock::now() - since;
    // A dial that the start-up began (the auto-dial) is followed to its end: connected or given up.
    if (waited >= kStartUpOnlyTime / m_pace &&
        (m_program.module1().dialing != "true" || waited >= kAutoDialTime)) {
        QCoreApplication::quit();
        return;
    }
    QTimer::singleShot(kPollInterval, [this, since] { quitAfterStartUp(since); });
}

void ScreenshotSession::waitFor(std::string what, std::function<bool()> ready,
                                std::chrono::milliseconds timeout) {
    m_steps.push_back({std::move(what), std::move(ready), nullptr, timeout});
}

void ScreenshotSession::act(std::string what, std::function<void()> action) {
    m_steps.push_back({std::move(what), [] { return true; }, std::move(action), 0ms});
}

void ScreenshotSession::pause(std::chrono::milliseconds time) {
    time /= m_pace;
    auto until = std::make_shared<std::chrono::steady_clock::time_point>();
    m_steps.push_back({"pause",
                       [until, time] {
                           const auto now = std::chrono::steady_clock::now();
                           if (*until == std::chrono::steady_clock::time_point{})
                               *until = now + time;
                           return now >= *until;
                       },
                       nullptr, time + 1s});
}

void ScreenshotSession::poll() {
    // A step may open a message box, whose own loop runs this timer again.
    if (m_busy || m_next >= m_steps.size())
        return;
    m_busy = true;
    Step& step = m_steps[m_next];
    try {
        if (step.ready()) {
            if (step.act)
                step.act();
            ++m_next;
            m_stepStarted = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - m_stepStarted > step.timeout) {
            finish("demo: gave up waiting for " + step.what);
        }
    } catch (const std::exception& error) {
        finish("demo: " + step.what + " failed: " + error.what());
    }
    m_busy = false;
}

void ScreenshotSession::finish(const std::string& why) {
    say(why);
    m_next = m_steps.size();
    QCoreApplication::exit(1);
}

void ScreenshotSession::shoot(const std::string& formName, const std::string& name) {
    if (FormView* view = m_program.views().view(form(formName)))
        m_recorder.shootSoon(view->window(), name);
}

Form& ScreenshotSession::form(const std::string& name) {
    FormSlot* slot = m_program.forms().find(name);
    if (!slot)
        throw std::runtime_error("no window " + name);
    return slot->get();
}

bool ScreenshotSession::visible(const std::string& name) {
    FormSlot* slot = m_program.forms().find(name);
    return slot && slot->peek() && slot->peek()->visible();
}

template <class C> C& ScreenshotSession::control(const std::string& formName, const std::string& name) {
    auto* found = dynamic_cast<C*>(form(formName).control(name));
    if (!found)
        throw std::runtime_error("no control " + formName + "." + name);
    return *found;
}

void ScreenshotSession::click(const std::string& formName, const std::string& name) {
    Control* target = form(formName).control(name);
    if (auto* button = dynamic_cast<CommandButton*>(target))
        button->userClick();
    else if (auto* item = dynamic_cast<MenuItem*>(target))
        item->userClick();
    else if (auto* box = dynamic_cast<CheckBox*>(target))
        box->userClick();
    else if (auto* option = dynamic_cast<OptionButton*>(target))
        option->userClick();
    else
        throw std::runtime_error("cannot click " + formName + "." + name);
}

void ScreenshotSession::type(const std::string& formName, const std::string& name, const std::string& text) {
    auto& box = control<TextBox>(formName, name);
    box.setText("");
    for (char c : text)
        box.userType(c);
}

void ScreenshotSession::choose(const std::string& formName, const std::string& name, int index) {
    auto& list = control<ListBox>(formName, name);
    if (index >= list.listCount())
        throw std::runtime_error(formName + "." + name + " has no line " + std::to_string(index));
    list.userChoose(index);
}

} // namespace quillan
