#pragma once

#include "FakeDialUp.h"
#include "FakeFinger.h"
#include "FakeHostLookup.h"
#include "FakeIcmpEcho.h"
#include "FakeMail.h"
#include "FakeTime.h"
#include "FakeWhoIs.h"
#include "ManualClock.h"
#include "RecordingMessageBoxes.h"
#include "RecordingServices.h"

#include "forms/Forms.h"
#include "runtime/FormObserver.h"
#include "runtime/ModalLoop.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace quillan {

// Logs `show FORM`, `hide FORM`, `unload FORM` and `popup FORM.MENU` as they happen.
class FormEffectRecorder : public FormObserver {
  public:
    explicit FormEffectRecorder(EffectLog& log) : m_log(log) {}
    void formChanged(Form& form, FormProperty property) override;
    void controlChanged(Control&, Property) override {}

  private:
    EffectLog& m_log;
};

// A modal loop whose body the test or the driver supplies; without one a modal form is hidden at once.
class ScriptedModalLoop : public ModalLoop {
  public:
    void runModal(Form& form) override;
    std::function<void(Form&)> body;
};

// The whole program headless: real forms and modules, recording services, fake dial-up and net controls,
// a manual clock and a data folder of the caller's choice.
struct Harness {
    explicit Harness(std::filesystem::path dataDir,
                     std::time_t start = parseLocalTime("2026-01-15 10:00:00"));

    EffectLog effects;
    RecordingMessageBoxes boxes;
    ManualClock clock;
    CountingEventPump pump;
    RecordingTray tray{effects};
    ScriptedModalLoop modal;
    RecordingProcessStarter processes{effects};
    RecordingSoundPlayer sound{effects};
    RecordingBrowser browser{effects};
    ListedDrives drives;
    FakeDialUp dialUp;
    // What both mail controls count at their next check.
    long mailbox = 0;
    FakeMail mail{"mail", effects, mailbox};
    FakeMail mail1{"mail1", effects, mailbox};
    FakeIcmpEcho echo{effects};
    FakeHostLookup hostLookup{effects};
    FakeFinger finger{effects};
    FakeWhoIs whois{effects};
    FakeTime time{effects};
    NetControls net{echo, hostLookup, finger, whois, time};
    FormEffectRecorder recorder{effects};
    Services services;
    Module1 module1;
    std::unique_ptr<Forms> forms;
};

} // namespace quillan
