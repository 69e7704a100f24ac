#include "Program.h"
#include "ProgramIcon.h"
#include "ProgramOptions.h"
#include "ScreenshotSession.h"
#include "SingleInstance.h"

#include "forms/frmStart.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {
// Qt ends the program with an abort when it finds no display; a user should read why instead.
bool displayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* value = std::getenv(name); value && *value)
            return true;
    return false;
}
} // namespace

int main(int argc, char** argv) {
    // The command line and the data folder come first: --help and --version need no display.
    quillan::CommandLine commandLine = quillan::programCommandLine();
    if (std::optional<int> status = commandLine.finish(commandLine.parse({argv + 1, argv + argc})))
        return *status;
    quillan::ProgramOptions options;
    try {
        options = quillan::programOptions(commandLine);
    } catch (const quillan::DataFolderError& error) {
        std::fprintf(stderr, "quillan: %s\n", error.what());
        return 1;
    }
    if (!displayAvailable()) {
        std::fputs("quillan: no display to show the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                   "start Quillan from a desktop session\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillan");
    QApplication::setWindowIcon(quillan::programIcon());
    // The console may live in the tray with no window shown; only the exit commands end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    quillan::SingleInstance instance(options.dataDir);
    if (!options.screenshots && instance.handOver()) {
        std::printf("Quillan is already running on %s: its console is brought back.\n", options.dataDir.c_str());
        return 0;
    }

    quillan::Program program(options);
    instance.listen([&program] { program.restoreConsole(); });
    std::unique_ptr<quillan::ScreenshotSession> session;
    if (options.screenshots)
        session = std::make_unique<quillan::ScreenshotSession>(program, *options.screenshots);
    program.start();
    if (!program.forms().peek<quillan::frmStart>())
        return 0;
    return QApplication::exec();
}
