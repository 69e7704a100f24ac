#include "ProgramOptions.h"

#include <QCommandLineParser>
#include <QStandardPaths>

#include <stdexcept>
#include <string>
#include <system_error>

namespace quillan {

namespace {
std::filesystem::path standardDataDir() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() + "/quillan";
}

std::filesystem::path defaultDataDir() {
    const QByteArray fromEnvironment = qgetenv("QUILLAN_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment.toStdString();
    return standardDataDir();
}

void createDataDir(const std::filesystem::path& dir) {
    std::error_code error;
    if (std::filesystem::is_directory(dir, error))
        return;
    std::filesystem::create_directories(dir, error);
    if (error)
        throw std::runtime_error("cannot create the data folder " + dir.string() + ": " + error.message());
    // It will hold the settings file with the dial-up passwords.
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all, error);
}
} // namespace

ProgramOptions readProgramOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Quillan, the dial-up networking companion.");
    parser.addHelpOption();
    const QCommandLineOption dataDir("data-dir",
                                     "Folder of the settings, the close reminder and the monthly logs "
                                     "(default $QUILLAN_DATA_DIR, else $XDG_CONFIG_HOME/quillan).",
                                     "DIR");
    const QCommandLineOption phonebook("phonebook", "Phonebook file (default phonebook.ini in the data folder).",
                                       "FILE");
    const QCommandLineOption pppdRunDir("pppd-run-dir", "Where pppd keeps its pid files (default /run).", "DIR");
    const QCommandLineOption screenshots(
        "screenshots", "Save a picture of every window shown into DIR, print each path, and quit when done.", "DIR");
    const QCommandLineOption demoPace(
        "demo-pace", "With --screenshots: run the demonstration N times faster (its pauses and the windows' timers).",
        "N", "1");
    const QCommandLineOption firstPaint("quit-after-first-paint",
                                        "Print when the first window has been painted and quit (for start-up timing).");
    const QCommandLineOption timeServer(
        "time-server", "Time server of the Net Toolkit, as HOST or HOST:PORT (default pool.ntp.org).", "HOST");
    const QCommandLineOption echoHost("echo-host", "Host the keep-alive echoes go to (default www.debian.org).",
                                      "HOST");
    const QCommandLineOption trace("trace", "Write every line to and from the modem, each state of the dialer and "
                                            "pppd's messages to standard error (passwords masked).");
    const QCommandLineOption peersDir("peers-dir", "Where the system's pppd peers are (default /etc/ppp/peers).", "DIR");
    parser.addOptions({dataDir, phonebook, pppdRunDir, peersDir, screenshots, demoPace, firstPaint, timeServer, echoHost, trace});
    parser.process(arguments);

    ProgramOptions options;
    options.dataDir = parser.isSet(dataDir) ? std::filesystem::path(parser.value(dataDir).toStdString()) : defaultDataDir();
    createDataDir(options.dataDir);
    std::error_code error;
    options.standardDataDir = std::filesystem::equivalent(options.dataDir, standardDataDir(), error);
    options.phonebook =
        parser.isSet(phonebook) ? std::filesystem::path(parser.value(phonebook).toStdString()) : options.dataDir / "phonebook.ini";
    if (parser.isSet(peersDir))
        options.peersDir = parser.value(peersDir).toStdString();
    if (parser.isSet(pppdRunDir))
        options.pppdRunDir = parser.value(pppdRunDir).toStdString();
    if (parser.isSet(timeServer)) {
        QString host = parser.value(timeServer);
        // HOST:PORT, or [ADDRESS]:PORT for IPv6.
        const int colon = host.lastIndexOf(':');
        bool numeric = false;
        const int port = colon > 0 ? host.mid(colon + 1).toInt(&numeric) : 0;
        const bool oneColon = host.indexOf(':') == colon;
        if (numeric && port > 0 && port < 65536 && (oneColon || host.startsWith('['))) {
            options.timePort = port;
            host = host.left(colon);
        }
        if (host.startsWith('[') && host.endsWith(']'))
            host = host.mid(1, host.size() - 2);
        options.timeServer = host.toStdString();
    }
    if (parser.isSet(echoHost))
        options.echoHost = parser.value(echoHost).toStdString();
    options.trace = parser.isSet(trace);
    if (parser.isSet(screenshots))
        options.screenshots = parser.value(screenshots).toStdString();
    bool paceIsNumber = false;
    options.demoPace = parser.value(demoPace).toInt(&paceIsNumber);
    if (!paceIsNumber || options.demoPace < 1 || options.demoPace > kFastestDemoPace)
        throw std::runtime_error("--demo-pace takes a whole number from 1 to " + std::to_string(kFastestDemoPace));
    options.quitAfterFirstPaint = parser.isSet(firstPaint);
    return options;
}

} // namespace quillan
