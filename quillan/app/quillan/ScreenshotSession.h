#pragma once

#include "ScreenshotRecorder.h"

#include "runtime/FormObserver.h"

#include <QTimer>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace quillan {

class Program;

// A run without a screen: pictures of every window and message box shown, the status lines printed, and
// demonstration calls driven through the windows' controls as a user would, on the demo phonebook's three
// lines in order: on the first run add a connection with its credentials, put a shortcut on a desktop inside
// the data folder, configure and save; dial the clean line and hang up with the button; give the busy line
// its alternate numbers, dial it through the redials and hang up from the tray menu; dial the line that drops
// by itself; exit. A folder that is not a first run gets pictures of its start-up only. A pace above 1 runs
// the same demonstration that many times faster: its pauses, the windows' timers and the line's rest between
// calls.
class ScreenshotSession : public FormObserver {
  public:
    ScreenshotSession(Program& program, std::filesystem::path folder, int pace = 1);
    ~ScreenshotSession() override;
    ScreenshotSession(const ScreenshotSession&) = delete;
    ScreenshotSession& operator=(const ScreenshotSession&) = delete;

    void formChanged(Form&, FormProperty) override {}
    void controlChanged(Control& control, Property property) override;

  private:
    struct Step {
        std::string what;
        std::function<bool()> ready;
        std::function<void()> act;
        std::chrono::milliseconds timeout;
    };

    void noteWindowShown();
    void planConnectActionWindows();
    void planDemoCall();
    // A new connection through the entry editor, its credentials in Quillan, and a desktop shortcut.
    void planNewConnection();
    void planShortcut();
    // Quits once the start-up's windows have been seen and no dial is going on.
    void quitAfterStartUp(std::chrono::steady_clock::time_point since);
    // Dials the profile at that line of the configuration console's list and waits for the connection.
    void planCall(int profile, const std::string& line);
    void closeCallWindows();
    void waitFor(std::string what, std::function<bool()> ready, std::chrono::milliseconds timeout);
    void act(std::string what, std::function<void()> action);
    void pause(std::chrono::milliseconds time);
    void shoot(const std::string& form, const std::string& name);
    void poll();
    void finish(const std::string& why);

    Form& form(const std::string& name);
    bool visible(const std::string& name);
    template <class C> C& control(const std::string& formName, const std::string& name);
    void click(const std::string& formName, const std::string& name);
    void type(const std::string& formName, const std::string& name, const std::string& text);
    void choose(const std::string& formName, const std::string& name, int index);

    Program& m_program;
    ScreenshotRecorder m_recorder;
    int m_pace;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    std::chrono::steady_clock::time_point m_stepStarted;
    bool m_busy = false;
    bool m_firstWindowSeen = false;
    QTimer m_poll;
};

} // namespace quillan
