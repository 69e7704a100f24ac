#include "Program.h"
#include "ProgramIcon.h"
#include "ProgramOptions.h"
#include "ScreenshotSession.h"
#include "SingleInstance.h"

#include "forms/frmStart.h"

#include <QApplication>
#include <QMessageBox>

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
        QMessageBox::critical(nullptr, "Quillan", QString::fromLocal8Bit(error.what()));
        return 2;
    }

    quillan::SingleInstance instance(options.dataDir);
    if (!options.screenshots && instance.handOver()) {
        std::printf("Quillan is already running on %s: its console is brought back.\n", options.dataDir.c_str());
        return 0;
    }

    // A failure the start-up could not handle itself still reaches the user, as a message, not an abort.
    try {
        quillan::Program program(options);
        instance.listen([&program] { program.restoreConsole(); });
        std::unique_ptr<quillan::ScreenshotSession> session;
        if (options.screenshots)
            session = std::make_unique<quillan::ScreenshotSession>(program, *options.screenshots);
        program.start();
        if (!program.forms().peek<quillan::frmStart>())
            return 0;
        return QApplication::exec();
    } catch (const std::exception& error) {
        const QString text = QString("Quillan cannot go on: %1\n\nNothing was saved or changed. Start Quillan "
                                     "again; if this comes back, check the data folder %2.")
                                 .arg(QString::fromLocal8Bit(error.what()), QString::fromStdString(options.dataDir));
        std::fprintf(stderr, "quillan: %s\n", text.toLocal8Bit().constData());
        QMessageBox::critical(nullptr, "Quillan", text);
        return 1;
    }
}
