#include "ConnectActionCommands.h"

#include "PathArguments.h"
#include "ValueFormat.h"

#include "runtime/DirListBox.h"
#include "runtime/FileListBox.h"

#include <limits>

#include <unistd.h>

namespace quillan {

ConnectActionCommands::ConnectActionCommands(Harness& harness, const FormTargets& targets,
                                             ControlCommands& controls)
    : m_harness(harness), m_targets(targets), m_controls(controls) {
    m_harness.pump.pumped = [this](int calls) { pumped(calls); };
}

ConnectActionCommands::~ConnectActionCommands() {
    m_harness.pump.pumped = nullptr;
}

void ConnectActionCommands::addTo(CommandTable& table) {
    table.add("browser", "PROGRAM", [this](const Words& args) { browser(args[0]); });
    table.add("refuse-start", "PATH",
              [this](const Words& args) { m_harness.processes.refused.insert(inside(args[0])); });
    table.add("drive", "ROOT",
              [this](const Words& args) { m_harness.drives.roots.push_back(inside(args[0])); });
    table.add("cd", "FOLDER", [this](const Words& args) { changeFolder(args[0]); });
    table.add("setpath", "FORM.CONTROL FOLDER", [this](const Words& args) { setPath(args); });
    table.add("pumpclick", "N FORM.CONTROL", [this](const Words& args) { pumpClick(args); });
}

std::string ConnectActionCommands::inside(const std::string& path) const {
    return insideDataFolder(m_harness.services.dataDir, path);
}

void ConnectActionCommands::browser(const std::string& answer) {
    RecordingBrowser& browser = m_harness.browser;
    browser.refuses = answer == "refuses";
    if (answer == "none")
        browser.program.clear();
    else if (answer == "refuses")
        browser.program = RecordingBrowser::kDefaultProgram;
    else
        browser.program = answer;
}

void ConnectActionCommands::changeFolder(const std::string& folder) {
    const std::string path = inside(folder);
    if (::chdir(path.c_str()) != 0)
        throw CommandError("cannot change to the folder " + path);
}

void ConnectActionCommands::setPath(const Words& args) {
    Control& control = m_targets.control(args[0]);
    const std::string path = inside(args[1]);
    if (auto* folders = dynamic_cast<DirListBox*>(&control)) {
        try {
            folders->setPath(path);
        } catch (const FolderError& error) {
            throw CommandError(error.what());
        }
    } else if (auto* files = dynamic_cast<FileListBox*>(&control)) {
        files->setPath(path);
    } else {
        throw CommandError(args[0] + " is not a folder or file list");
    }
}

void ConnectActionCommands::pumpClick(const Words& args) {
    const long long n = parseInteger(args[0], "N", 1, std::numeric_limits<int>::max() - m_harness.pump.calls);
    m_targets.control(args[1]);
    m_pendingClicks.emplace(m_harness.pump.calls + static_cast<int>(n), args[1]);
}

void ConnectActionCommands::pumped(int calls) {
    auto [first, last] = m_pendingClicks.equal_range(calls);
    std::vector<std::string> clicks;
    for (auto it = first; it != last; ++it)
        clicks.push_back(it->second);
    m_pendingClicks.erase(first, last);
    for (const std::string& reference : clicks) {
        try {
            m_controls.click(reference);
        } catch (const std::exception& error) {
            m_harness.effects.add("pumpclick " + reference + ": " + error.what());
        }
    }
}

} // namespace quillan
