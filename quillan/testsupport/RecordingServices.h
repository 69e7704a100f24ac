#pragma once

#include "runtime/BrowserLauncher.h"
#include "runtime/EventPump.h"
#include "runtime/MountTable.h"
#include "runtime/ProcessStarter.h"
#include "runtime/SoundPlayer.h"
#include "runtime/TrayIcon.h"

#include <functional>
#include <set>
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

// Counts the pumps; pumped runs at each with the count so far, as a user acting meanwhile.
class CountingEventPump : public EventPump {
  public:
    void doEvents() override {
        ++calls;
        if (pumped)
            pumped(calls);
    }
    int calls = 0;
    std::function<void(int)> pumped;
};

// Records program starts; `installed` lists the programs find() knows, `refused` those start() fails.
class RecordingProcessStarter : public ProcessStarter {
  public:
    explicit RecordingProcessStarter(EffectLog& log) : m_log(log) {}
    std::string find(const std::string& program) override;
    bool start(const std::string& program, const std::vector<std::string>& args, WindowStyle style) override;
    std::vector<std::string> installed;
    std::set<std::string> refused;

  private:
    EffectLog& m_log;
};

// Records the sounds played, as `sound "NAME"`.
class RecordingSoundPlayer : public SoundPlayer {
  public:
    explicit RecordingSoundPlayer(EffectLog& log) : m_log(log) {}
    void play(const std::string& name) override { m_log.add("sound " + quoted(name)); }

  private:
    EffectLog& m_log;
};

// Answers the association lookup with `program` ("" for none) and records the browsers started, as
// `browser "PROGRAM" "ARGUMENT"`; with `refuses` the start fails and nothing is recorded.
class RecordingBrowser : public BrowserLauncher {
  public:
    explicit RecordingBrowser(EffectLog& log) : m_log(log) {}
    std::string findAssociated(const std::filesystem::path& htmlFile) override;
    bool open(const std::string& program, const std::string& argument) override;
    static constexpr const char* kDefaultProgram = "/usr/bin/x-www-browser";
    std::string program = kDefaultProgram;
    bool refuses = false;
    // The file asked about, what it held and its permission bits while it was asked about.
    std::filesystem::path lookedUpPath;
    std::string lookedUpContent;
    std::filesystem::perms lookedUpPerms = std::filesystem::perms::none;

  private:
    EffectLog& m_log;
};

// The machine's drives, or only `roots` once any is given.
class ListedDrives : public DriveSource {
  public:
    std::vector<std::string> drives() override { return roots.empty() ? m_mounts.drives() : roots; }
    std::vector<std::string> roots;

  private:
    MountTable m_mounts;
};

} // namespace quillan
