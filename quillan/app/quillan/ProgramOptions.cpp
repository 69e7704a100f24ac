#include "ProgramOptions.h"

#include <QCommandLineParser>
#include <QStandardPaths>

#include <stdexcept>
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
    const QCommandLineOption trace("trace", "Write every line to and from the modem, each state of the dialer and "
                                            "pppd's messages to standard error (passwords masked).");
    parser.addOptions({dataDir, phonebook, pppdRunDir, screenshots, trace});
    parser.process(arguments);

    ProgramOptions options;
    options.dataDir = parser.isSet(dataDir) ? std::filesystem::path(parser.value(dataDir).toStdString()) : defaultDataDir();
    createDataDir(options.dataDir);
    std::error_code error;
    options.standardDataDir = std::filesystem::equivalent(options.dataDir, standardDataDir(), error);
    options.phonebook =
        parser.isSet(phonebook) ? std::filesystem::path(parser.value(phonebook).toStdString()) : options.dataDir / "phonebook.ini";
    if (parser.isSet(pppdRunDir))
        options.pppdRunDir = parser.value(pppdRunDir).toStdString();
    options.trace = parser.isSet(trace);
    if (parser.isSet(screenshots))
        options.screenshots = parser.value(screenshots).toStdString();
    return options;
}

} // namespace quillan
