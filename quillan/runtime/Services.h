#pragma once

#include "BrowserLauncher.h"
#include "Clock.h"
#include "DesktopPlaces.h"
#include "DriveSource.h"
#include "EventPump.h"
#include "FormObserver.h"
#include "MessageBoxes.h"
#include "ModalLoop.h"
#include "ProcessStarter.h"
#include "SoundPlayer.h"
#include "TrayIcon.h"

#include <filesystem>
#include <vector>

namespace quillan {

// Everything a form reaches outside itself; the program and the tests each bring their own.
struct Services {
    MessageBoxes& boxes;
    Clock& clock;
    EventPump& pump;
    TrayIcon& tray;
    ModalLoop& modal;
    ProcessStarter& processes;
    SoundPlayer& sound;
    BrowserLauncher& browser;
    DriveSource& drives;
    // The folder that holds the settings file, the reminder flag and the monthly logs.
    std::filesystem::path dataDir;
    std::vector<FormObserver*> observers;
    DesktopPlaces desktop;
};

} // namespace quillan
