#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Runs the stand-in download manager as a separate process and reads back what it recorded.
class StandInManager {
  public:
    explicit StandInManager(std::wstring recordFile) : m_recordFile(std::move(recordFile)) {}
    ~StandInManager();

    // True once its monitor window exists.
    bool start();
    // Closes the window after every message already posted to it, and waits for the process.
    void stop();
    // One line per message received, in order.
    std::vector<std::string> records() const;
    // Waits until `count` messages are recorded: the manager reads the address only when it gets
    // to the message, so a later click must not overwrite it before then.
    bool waitForRecords(size_t count) const;

  private:
    std::wstring m_recordFile;
    PROCESS_INFORMATION m_process{};
};
