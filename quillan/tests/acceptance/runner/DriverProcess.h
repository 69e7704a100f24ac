#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quillan {

// One run of quillan-driver with --echo on a data folder, fed the given commands.
class DriverProcess {
  public:
    struct Result {
        std::vector<std::string> output;
        std::string errors;
        int exitCode = -1;
    };

    // scratch holds the run's input and output files; it must not be the data folder.
    static Result run(const std::filesystem::path& driver, const std::filesystem::path& dataDir,
                      const std::optional<std::string>& clock, const std::vector<std::string>& commands,
                      const std::filesystem::path& scratch);
};

} // namespace quillan
