#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillan {

// An acceptance transcript: one or more runs of the driver on one data folder, each with the files
// to seed before it starts, the clock to start at, the commands and the expected output.
//
//   # a comment                     (ignored, as are blank lines)
//   @clock 2026-01-31 23:59:00      (the next run's start time)
//   @file NAME                      (seed a file before the next run; lines up to @end, CR LF ends;
//   ...                              @file-lf NAME writes LF ends)
//   @end
//   > COMMAND                       (a command; the driver echoes it)
//   OUTPUT                          (what the driver prints, status lines included)
//   @restart                        (end this run; the next starts on the same data folder)
class Transcript {
  public:
    struct SeedFile {
        std::string name;
        std::vector<std::string> lines;
        bool crlf = true;
        // The lines, each ended by CR LF or LF.
        std::string content() const;
    };
    // Where a line of the expected output stands in the transcript file.
    struct Line {
        std::string text;
        int number;
    };
    struct Run {
        std::optional<std::string> clock;
        std::vector<SeedFile> files;
        std::vector<std::string> commands;
        // The commands (as "> COMMAND") and their output, in order.
        std::vector<Line> expected;
    };

    // Throws std::runtime_error naming the line of a malformed directive.
    static Transcript parse(const std::string& text);

    const std::vector<Run>& runs() const { return m_runs; }

  private:
    std::vector<Run> m_runs;
};

} // namespace quillan
