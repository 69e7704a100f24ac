#pragma once

#include "controls/DialUpControl.h"
#include "runtime/Form.h"
#include "runtime/Timer.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace quillan {

class Forms;

// The hidden dialing form: it owns the dial-up control for the whole run, keeps the program's profiles
// in step with the phonebook and scans for connections.
class formRAS : public Form {
  public:
    static constexpr const char* kName = "formRAS";
    explicit formRAS(Forms& forms);

    Timer timerredial{*this, "timerredial"};
    DialUpControl& mRAS1;

    // Failed attempts counted in the redial-N-times mode.
    std::int16_t redial = 0;
    // Which number the last attempt used: 0 the entry's own, k alternate k.
    std::int16_t ANindex = 0;

    // Reads the phonebook entries into the profile lists (and records, on a first run).
    void LoadEntries();
    // Start-up: compares the profiles read from the settings file with the phonebook, unless the
    // phonebook could not be read.
    void reconcileProfiles(std::int16_t settingsProfileCount);
    // Adopts a connection made outside the program, or notices that the program's own has gone.
    void getconnections();

    // Ticks waited since the last failure; only a redial step sets it back to 0.
    std::int16_t tickCount() const { return m_tickCount; }

  protected:
    // An unloaded dialing form no longer follows the control's dials.
    void Form_Unload() override { mRAS1.Progress = nullptr; }

  private:
    // The keys of the listed profiles' records, each with its profile.
    using ListedKeys = std::unordered_map<std::string, std::string>;
    // Refuses, with a message, a name whose records would collide with another profile's.
    bool acceptsProfileName(const std::string& name, const ListedKeys& listed);
    ListedKeys listedKeys();
    void addToProfileLists(const std::string& name, ListedKeys& listed);
    // Tells the user when the phonebook could not be read (or is missing while profiles exist) or has
    // a section twice; true when it can be trusted to list every entry.
    bool checkPhonebook();
    void adoptConnection(const std::string& name);
    void noticeDrop();
    void recordReplacedCall();

    void mRAS1_Progress(std::int16_t ConnectState);
    void failedAttempt();
    void timerredial_Timer();
    void redialLimitReached();
    void redialStep();
    // The alternate slot for the next attempt, or 0 for the phonebook number; moves ANindex on.
    std::int16_t chooseNumber();

    Forms& m_forms;
    std::int16_t m_tickCount = 0;
    // The last reading of the phonebook could not be trusted: reconciling against it would lose profiles.
    bool m_phonebookUntrusted = false;
    // Repeated phonebook sections the user has been told about.
    std::vector<std::string> m_toldRepeated;
};

} // namespace quillan
