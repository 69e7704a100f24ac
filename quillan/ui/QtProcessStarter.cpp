#include "QtProcessStarter.h"

#include "QtText.h"

#include <QProcess>
#include <QStandardPaths>

namespace quillan {

std::string QtProcessStarter::find(const std::string& program) {
    return fromQt(QStandardPaths::findExecutable(toQt(program)));
}

bool QtProcessStarter::start(const std::string& program, const std::vector<std::string>& args, WindowStyle) {
    QStringList arguments;
    for (const std::string& arg : args)
        arguments << toQt(arg);
    return QProcess::startDetached(toQt(program), arguments);
}

} // namespace quillan
