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

// A run without a screen: pictures of every window and message box shown, the status lines printed, and a
// demonstration call driven through the windows' controls as a user would: configure and save on the first
// run, dial the first profile (the demo's clean line), stay connected a few seconds, hang up and exit.
class ScreenshotSession : public FormObserver {
public:
    ScreenshotSession(Program& program, std::filesystem::path folder);
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
    void planDemoCall();
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
    void chooseFirst(const std::string& formName, const std::string& name);

    Program& m_program;
    ScreenshotRecorder m_recorder;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    std::chrono::steady_clock::time_point m_stepStarted;
    bool m_busy = false;
    bool m_firstWindowSeen = false;
    QTimer m_poll;
};

} // namespace quillan
