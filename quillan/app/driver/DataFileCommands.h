#pragma once

#include "CommandTable.h"

#include <filesystem>
#include <ostream>

namespace quillan {

// Reads and writes files of the data folder, so a transcript can seed a file mid-run or check one.
class DataFileCommands {
  public:
    DataFileCommands(std::filesystem::path dataDir, std::ostream& out)
        : m_dataDir(std::move(dataDir)), m_out(out) {}
    void addTo(CommandTable& table);

  private:
    // A relative path inside the data folder, without "..".
    std::filesystem::path pathOf(const std::string& name) const;
    void listFiles(const std::string& folder);
    void readFile(const std::string& name);
    void writeFile(const std::string& name, const std::string& content);
    // The permission bits in octal, e.g. 600.
    void fileMode(const std::string& name);

    std::filesystem::path m_dataDir;
    std::ostream& m_out;
};

} // namespace quillan
