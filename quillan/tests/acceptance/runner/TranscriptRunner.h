#pragma once

#include "Transcript.h"

#include <filesystem>
#include <ostream>

namespace quillan {

// Plays a transcript against quillan-driver on a fresh temporary data folder and reports every
// difference between the expected and the actual output as a diff.
class TranscriptRunner {
  public:
    explicit TranscriptRunner(const std::filesystem::path& driver)
        : m_driver(std::filesystem::absolute(driver)) {}

    // True when every run printed exactly what the transcript expects.
    bool run(const std::filesystem::path& transcriptFile, std::ostream& report) const;
    // Prints what the driver actually answered, in transcript form, for writing a new transcript.
    void printActual(const std::filesystem::path& transcriptFile, std::ostream& out) const;

  private:
    std::filesystem::path m_driver;
};

} // namespace quillan
