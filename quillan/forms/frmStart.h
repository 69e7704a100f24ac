#pragma once

#include "MailWatch.h"

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/Label.h"
#include "runtime/ListBox.h"
#include "runtime/MenuItem.h"
#include "runtime/Timer.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace quillan {

class Forms;

// Tray mouse messages, as the notification area reports them.
inline constexpr int kTrayLeftUp = 514;
inline constexpr int kTrayLeftDoubleClick = 515;
inline constexpr int kTrayRightUp = 517;

// The main console: picture buttons, the status list and the elapsed time; its load is the start-up.
class frmStart : public Form {
  public:
    static constexpr const char* kName = "frmStart";
    explicit frmStart(Forms& forms);

    Frame Frame1{*this, "Frame1"};
    CommandButton cmdConnectDefault{*this, "cmdConnectDefault", &Frame1};
    CommandButton cmdHangup{*this, "cmdHangup", &Frame1};
    CommandButton cmdConfiguration{*this, "cmdConfiguration", &Frame1};
    CommandButton cmdNetTools{*this, "cmdNetTools", &Frame1};
    CommandButton cmdAbout{*this, "cmdAbout", &Frame1};
    CommandButton cmdStartHelp{*this, "cmdStartHelp", &Frame1};
    CommandButton cmdExit{*this, "cmdExit", &Frame1};
    CommandButton Command1{*this, "Command1", &Frame1};
    CommandButton Command2{*this, "Command2", &Frame1};
    CommandButton Command3{*this, "Command3"};
    Label Label1{*this, "Label1"};
    ListBox listConnectionStatus{*this, "listConnectionStatus"};
    Label Label2{*this, "Label2"};
    Label labelTime{*this, "labelTime"};
    Timer timer{*this, "timer"};

    MenuItem mPopupSys{*this, "mPopupSys"};
    MenuItem mPopRestore{*this, "mPopRestore", &mPopupSys};
    MenuItem mPopExit{*this, "mPopExit", &mPopupSys};
    MenuItem asd{*this, "asd", &mPopupSys};
    MenuItem mMin{*this, "mMin", &mPopupSys};
    MenuItem sep{*this, "sep", &mPopupSys};
    MenuItem mConfiguration{*this, "mConfiguration", &mPopupSys};
    MenuItem erw{*this, "erw", &mPopupSys};
    MenuItem mPopHangup{*this, "mPopHangup", &mPopupSys};

    // Runs the start-up sequence and shows the console, unless the first run keeps it hidden.
    void startUp();
    // A mouse message from the tray icon.
    void trayMessage(int message);
    // Adds a line to the status list and selects the last line.
    void addStatus(const std::string& line);
    // The tray icon record's tip, kept for the whole run.
    const std::string& trayTip() const { return m_trayTip; }
    void addTrayIcon();
    // Into the tray: the icon is added and the console hidden. A desktop without a tray could never
    // give the console back, so there it is minimised instead and the user told why, once.
    void placeInTray();
    // The tip is tip followed by more.
    void setTrayTip(std::string_view tip, std::string_view more = {});

    MailWatch& mailWatch() { return m_mailWatch; }

    // The close box ends the program the way the exit commands do.
    void userClose() override;

    // The keep-alive echo, in the order the tick calls them.
    void vbWSAStartup();
    void vbGetHostByName();
    void vbIcmpCreateFile();
    void setTimeToLive(int ttl) { m_ipOptionTimeToLive = ttl; }
    void vbIcmpSendEcho();
    void vbIcmpCloseHandle();
    void vbWSACleanup();

  protected:
    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;

  private:
    void cmdConfiguration_Click();
    void Command1_Click();
    void Command3_Click();
    void restore();
    void loadSavedSettings(const std::filesystem::path& file);
    void startFirstRun();
    // The launcher and sound windows show the loaded (or first-run) settings.
    void applyConnectActionSettings();

    // Calls: connect, hang-up, exit and the one-second tick.
    void cmdConnectDefault_Click();
    void cmdHangup_Click();
    void mPopHangup_Click();
    void cmdExit_Click();
    void mPopExit_Click();
    void timer_Timer();

    Forms& m_forms;
    // Kept from the last lookup that found the keep-alive target. Shared with the burst's steps, which
    // may still be under way when the console goes at exit.
    std::shared_ptr<std::uint32_t> m_destinationAddress = std::make_shared<std::uint32_t>(0);
    int m_ipOptionTimeToLive = 0;
    std::shared_ptr<int> m_replyCount = std::make_shared<int>(0);
    MailWatch m_mailWatch{m_forms};
    std::string m_trayTip;
    bool m_trayIconAdded = false;
    bool m_missingTrayTold = false;
};

// Designed sizes of the console, in pixels.
inline constexpr int kConsoleHeight = 330;
inline constexpr int kStatusListHeight = 120;

} // namespace quillan
