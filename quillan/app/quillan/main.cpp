#include "FirstPaintProbe.h"
#include "FontConfigWarmUp.h"
#include "Program.h"
#include "ProgramIcon.h"
#include "ProgramOptions.h"
#include "ScreenshotSession.h"
#include "SessionQuit.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"

#include "forms/frmStart.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScopeGuard>

#include <cstdio>
#include <cstdlib>
#include <exception>
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
    } catch (const quillan::UsageError& error) {
        return *commandLine.finish(commandLine.refuse(error.what()));
    } catch (const quillan::DataFolderError& error) {
        std::fprintf(stderr, "quillan: %s\n", error.what());
        // Started from the desktop's menu, nobody reads standard error.
        if (displayAvailable()) {
            QApplication app(argc, argv);
            QMessageBox::critical(nullptr, "Quillan", QString::fromLocal8Bit(error.what()));
        }
        return 1;
    }
    if (!displayAvailable()) {
        std::fputs("quillan: no display to show the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                   "start Quillan from a desktop session\n",
                   stderr);
        return 1;
    }

    quillan::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    fonts.applicationMade();
    // The loading ends before the application does, whichever way the start ends.
    const auto awaitFonts = qScopeGuard(quillan::FontConfigWarmUp::awaitRunning);
    QApplication::setApplicationName("Quillan");
    QApplication::setWindowIcon(quillan::programIcon());
    // A desktop that names no icon theme leaves Qt with hicolor, which holds programs' icons and none of
    // the standard ones, so the style's own icons show anyway; reading hicolor's long index would hold
    // up the first window by several milliseconds. (An empty list would bring the default paths back.)
    if (QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeSearchPaths({QStringLiteral(":/icons")});
    // The console may live in the tray with no window shown; only the exit commands end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    std::unique_ptr<quillan::FirstPaintProbe> probe;
    if (options.quitAfterFirstPaint)
        probe = std::make_unique<quillan::FirstPaintProbe>();

    quillan::SingleInstance instance(options.dataDir);
    if (!options.screenshots) {
        switch (instance.handOver()) {
        case quillan::SingleInstance::Start::First:
            break;
        case quillan::SingleInstance::Start::HandedOver:
            std::printf("Quillan is already running on %s: its console is brought back.\n",
                        options.dataDir.c_str());
            return 0;
        case quillan::SingleInstance::Start::Unanswered:
            std::fprintf(
                stderr,
                "quillan: Quillan is already running on %s but does not answer; end it, or start this one "
                "with another --data-dir.\n",
                options.dataDir.c_str());
            return 1;
        }
    }

    // A failure the start-up could not handle itself still reaches the user, as a message, not an abort.
    try {
        quillan::Program program(options);
        // Ended from outside, a call that is up is hung up and counted first, as the exit command's Yes does.
        quillan::TerminationSignals termination([&program](int) { program.endSession(); });
        // The session manager ends the program at logout by quitting it; the loop's end is the last chance.
        quillan::SessionQuit logout([&program] { program.endSession(); });
        QObject::connect(&app, &QCoreApplication::aboutToQuit, [&program] { program.endSession(); });
        if (!options.screenshots) {
            instance.listen([&program] { program.restoreConsole(); });
            if (!instance.problem().empty())
                std::fprintf(stderr, "quillan: a second start cannot bring this one's console back: %s\n",
                             instance.problem().c_str());
        }
        std::unique_ptr<quillan::ScreenshotSession> session;
        if (options.screenshots)
            session =
                std::make_unique<quillan::ScreenshotSession>(program, *options.screenshots, options.demoPace);
        program.start();
        if (!program.forms().peek<quillan::frmStart>())
            return 0;
        return QApplication::exec();
    } catch (const std::exception& error) {
        const QString text =
            QString("Quillan cannot go on: %1\n\nNothing was saved or changed. Start Quillan "
                    "again; if this comes back, check the data folder %2.")
                .arg(QString::fromLocal8Bit(error.what()), QString::fromStdString(options.dataDir));
        std::fprintf(stderr, "quillan: %s\n", text.toLocal8Bit().constData());
        QMessageBox::critical(nullptr, "Quillan", text);
        return 1;
    }
}
