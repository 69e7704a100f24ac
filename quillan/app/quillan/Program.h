#pragma once

#include "ProgramEnd.h"
#include "ProgramOptions.h"

#include "QtEventLoop.h"
#include "QtEventPump.h"
#include "QtFormObserver.h"
#include "QtMessageBoxes.h"
#include "QtModalLoop.h"
#include "QtProcessStarter.h"
#include "QtTrayIcon.h"
#include "SystemClock.h"

#include "controls/LinuxDialUp.h"
#include "controls/Pop3Mail.h"
#include "forms/Forms.h"
#include "modules/Module1.h"
#include "runtime/Services.h"

#include <memory>

namespace quillan {

// The whole program: Qt services, the shared state, the Linux dial-up control and the windows.
class Program {
public:
    explicit Program(const ProgramOptions& options);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads the main console, whose load is the start-up sequence.
    void start();
    // Brings the main console back, as a click on the tray icon does, once start-up is over.
    void restoreConsole();

    Forms& forms() { return *m_forms; }
    Module1& module1() { return m_module1; }
    QtFormObserver& views() { return m_views; }
    QtMessageBoxes& boxes() { return m_boxes; }
    Services& services() { return m_services; }

private:
    QtEventLoop m_eventLoop;
    QtMessageBoxes m_boxes;
    SystemClock m_clock;
    QtEventPump m_pump;
    QtTrayIcon m_tray;
    QtModalLoop m_modal;
    QtProcessStarter m_processes;
    ProgramEnd m_end;
    Services m_services;
    Module1 m_module1;
    LinuxDialUp m_dialUp;
    Pop3Mail m_mail;
    Pop3Mail m_mail1;
    std::unique_ptr<Forms> m_forms;
    bool m_started = false;
    // Declared last so that the windows go before the forms they show.
    QtFormObserver m_views;
};

} // namespace quillan
