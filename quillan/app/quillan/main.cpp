#include "FirstPaintProbe.h"
#include "Program.h"
#include "ProgramIcon.h"
#include "ProgramOptions.h"
#include "ScreenshotSession.h"
#include "SingleInstance.h"

#include "forms/frmStart.h"

#include <QApplication>

#include <cstdio>
#include <exception>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillan");
    QApplication::setWindowIcon(quillan::programIcon());
    // The console may live in the tray with no window shown; only the exit commands end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    quillan::ProgramOptions options;
    try {
        options = quillan::readProgramOptions(QApplication::arguments());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quillan: %s\n", error.what());
        return 2;
    }

    std::unique_ptr<quillan::FirstPaintProbe> probe;
    if (options.quitAfterFirstPaint)
        probe = std::make_unique<quillan::FirstPaintProbe>();

    quillan::SingleInstance instance(options.dataDir);
    if (!options.screenshots && instance.handOver()) {
        std::printf("Quillan is already running on %s: its console is brought back.\n", options.dataDir.c_str());
        return 0;
    }

    quillan::Program program(options);
    instance.listen([&program] { program.restoreConsole(); });
    std::unique_ptr<quillan::ScreenshotSession> session;
    if (options.screenshots)
        session = std::make_unique<quillan::ScreenshotSession>(program, *options.screenshots, options.demoPace);
    program.start();
    if (!program.forms().peek<quillan::frmStart>())
        return 0;
    return QApplication::exec();
}
