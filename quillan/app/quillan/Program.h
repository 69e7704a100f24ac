#pragma once

#include "ProgramEnd.h"
#include "ProgramOptions.h"

#include "CanberraSoundPlayer.h"
#include "GioBrowserLauncher.h"
#include "LinuxProcessStarter.h"
#include "QtEventLoop.h"
#include "QtEventPump.h"
#include "QtFormObserver.h"
#include "QtMessageBoxes.h"
#include "QtModalLoop.h"
#include "QtTrayIcon.h"
#include "SystemClock.h"

#include "controls/AresHostLookup.h"
#include "controls/AresResolver.h"
#include "controls/LinuxDialUp.h"
#include "controls/LinuxFinger.h"
#include "controls/LinuxIcmpEcho.h"
#include "controls/LinuxWhoIs.h"
#include "controls/NetControls.h"
#include "controls/Pop3Mail.h"
#include "controls/SntpTime.h"
#include "forms/Forms.h"
#include "modules/Module1.h"
#include "runtime/MountTable.h"
#include "runtime/Services.h"

#include <functional>
#include <memory>

namespace quillan {

class PhonebookEntryDialog;

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
    // The program is told to end from outside (logout, a termination signal): a call that is up is hung
    // up and accounted, then every window unloads, which ends the program.
    void endSession();

    Forms& forms() { return *m_forms; }
    Module1& module1() { return m_module1; }
    QtFormObserver& views() { return m_views; }
    QtMessageBoxes& boxes() { return m_boxes; }
    Services& services() { return m_services; }

    // Told of each phonebook entry editor as it opens, before it waits for the user.
    std::function<void(PhonebookEntryDialog&)> entryEditorOpened;

  private:
    QtEventLoop m_eventLoop;
    QtMessageBoxes m_boxes;
    SystemClock m_clock;
    QtEventPump m_pump;
    QtTrayIcon m_tray;
    QtModalLoop m_modal;
    LinuxProcessStarter m_processes;
    CanberraSoundPlayer m_sound{CanberraSoundPlayer::programSoundFolders()};
    GioBrowserLauncher m_browser;
    MountTable m_drives;
    ProgramEnd m_end;
    Services m_services;
    Module1 m_module1;
    LinuxDialUp m_dialUp;
    AresResolver m_resolver;
    LinuxIcmpEcho m_echo;
    AresHostLookup m_hostLookup;
    LinuxFinger m_finger;
    LinuxWhoIs m_whois;
    SntpTime m_time;
    NetControls m_net;
    Pop3Mail m_mail;
    Pop3Mail m_mail1;
    std::unique_ptr<Forms> m_forms;
    bool m_started = false;
    int m_endAttempts = 0;
    // Declared last so that the windows go before the forms they show.
    QtFormObserver m_views;
};

} // namespace quillan
