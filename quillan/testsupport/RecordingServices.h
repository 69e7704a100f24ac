#pragma once

#include "runtime/EventPump.h"
#include "runtime/ProcessStarter.h"
#include "runtime/TrayIcon.h"

#include <string>
#include <vector>

namespace quillan {

// Outside effects in the order they happened, as lines such as `tray add "Quillan"`.
class EffectLog {
public:
    void add(std::string line) { m_lines.push_back(std::move(line)); }
    std::vector<std::string> take() {
        std::vector<std::string> lines;
        lines.swap(m_lines);
        return lines;
    }
    const std::vector<std::string>& lines() const { return m_lines; }

private:
    std::vector<std::string> m_lines;
};

// A text double-quoted with \" \\ \r \n escaped.
std::string quoted(const std::string& text);

class RecordingTray : public TrayIcon {
public:
    explicit RecordingTray(EffectLog& log) : m_log(log) {}
    bool available() override { return !missing; }
    void add(const std::string& tip) override { m_log.add("tray add " + quoted(tip)); }
    void modify(const std::string& tip) override { m_log.add("tray modify " + quoted(tip)); }
    void remove(const std::string& tip) override { m_log.add("tray delete " + quoted(tip)); }

    // A desktop without a notification area.
    bool missing = false;

private:
    EffectLog& m_log;
};

class CountingEventPump : public EventPump {
public:
    void doEvents() override { ++calls; }
    int calls = 0;
};

// Records program starts; `installed` lists the programs find() knows.
class RecordingProcessStarter : public ProcessStarter {
public:
    explicit RecordingProcessStarter(EffectLog& log) : m_log(log) {}
    std::string find(const std::string& program) override;
    bool start(const std::string& program, const std::vector<std::string>& args, WindowStyle style) override;
    std::vector<std::string> installed;

private:
    EffectLog& m_log;
};

} // namespace quillan
