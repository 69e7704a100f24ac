#pragma once

#include "runtime/MessageBoxes.h"

#include <string>

namespace quillan {

class Forms;
class MonthlyLogError;

// How a dial was asked for; each differs slightly in what Starting a dial does.
enum class DialKind {
    // A connect command or the password prompt: loads the entry, starts the "Begin" programs.
    Command,
    // frmDialSelected: as Command, but the current profile is taken only after the programs started.
    Selected,
    // Auto-dial at start-up: no entry load, no programs, the tray menu's hang-up stays disabled.
    AutoDial,
};

struct DialCredentials {
    std::string profile;
    std::string userName;
    std::string password;
    std::string domain;
};

// The call procedures shared by the consoles and the dialing windows: reset, dial, hang-up,
// accounting and exit. Holds no state of its own; everything lives in the forms and Module1.
class CallProcedures {
  public:
    explicit CallProcedures(Forms& forms) : m_forms(forms) {}

    // Clears the per-call warnings and hang-up mark, reloads this month's log, restarts the
    // number walk and the redial count.
    void callReset();
    // Reads this month's log and its total for the call that starts.
    void loadMonthLog();

    // The main console's connect button.
    void connectDefault();
    // The start-up dial, when asked for and no call is up already.
    void autoDial();

    // Starting a dial of a profile with the given credentials.
    void startDial(const DialCredentials& credentials, DialKind kind);
    // Starting a dial with the profile's stored credentials.
    void dialStoredProfile(const std::string& profile, DialKind kind = DialKind::Command);
    DialCredentials storedCredentials(const std::string& profile) const;

    // The hang-up commands of the main console and the tray menu.
    void hangUp();
    // The reminder window's hang-up.
    void reminderHangUp();
    // The exit commands: offer to end a call that is up, then unload every window.
    void exitProgram();
    // The program is told to end (logout, a termination signal): a call that is up is hung up and
    // accounted as the exit's Yes answer does, a dial under way is stopped, then every window unloads.
    void endSession();

    // What follows the connected state: sound, clock start, browser, window state, timer window, programs.
    void connectedActions();

    // Appends the call to this month's log and shows the cost window when asked for;
    // heading goes under the cost (used when the line dropped by itself).
    void endCallRecord(const std::string& heading = "");

    // The idle consoles after a call: buttons, status line, no current profile.
    void returnToIdle(const std::string& statusLine, bool disablePopHangup);
    // Back to the plain tray tip once no call is counted.
    void resetTrayTip();
    // The refusal of a dial without a user name; where tells the user where to fill it in.
    void refuseEmptyUsername(const char* where, MsgIcon icon);
    // Enables or disables the two commands that start a dial.
    void setDialCommandsEnabled(bool enabled);

  private:
    void dialDefault(DialKind kind);
    void endLine(bool disablePopHangup);
    void hangUpForExit();
    void unloadEverything();
    void reportLogError(const MonthlyLogError& error);

    Forms& m_forms;
};

} // namespace quillan
