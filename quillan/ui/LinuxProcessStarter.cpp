#include "LinuxProcessStarter.h"

#include "DetachedProcess.h"
#include "GioLaunch.h"
#include "QtText.h"

#include <QStandardPaths>

namespace quillan {

std::string LinuxProcessStarter::find(const std::string& program) {
    return fromQt(QStandardPaths::findExecutable(toQt(program)));
}

bool LinuxProcessStarter::start(const std::string& program, const std::vector<std::string>& args,
                                WindowStyle style) {
    const bool desktopEntry = program.size() > 8 && program.compare(program.size() - 8, 8, ".desktop") == 0;
    const std::optional<pid_t> pid = desktopEntry
                                         ? launchApplication(program, args.empty() ? "" : args.front())
                                         : startDetached(program, args);
    if (!pid)
        return false;
    m_placer.place(*pid, style);
    return true;
}

} // namespace quillan
