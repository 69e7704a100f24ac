#pragma once

#include <filesystem>
#include <string>

namespace quillan {

// A fresh, empty folder under the system's temporary folder, removed with its contents at the end.
class TemporaryFolder {
  public:
    // prefix names the folder's owner, e.g. "quillan-driver".
    explicit TemporaryFolder(const std::string& prefix);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

  private:
    std::filesystem::path m_path;
};

} // namespace quillan
