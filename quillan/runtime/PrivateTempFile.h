#pragma once

#include <filesystem>
#include <string_view>

namespace quillan {

// A file of a unique name, readable and writable by its owner only, in the user's runtime folder (or
// else the temporary folder); removed again when this goes. Throws std::system_error when it cannot
// be made, whose what() says why.
class PrivateTempFile {
  public:
    // The name ends in suffix.
    PrivateTempFile(std::string_view suffix, std::string_view contents);
    ~PrivateTempFile();
    PrivateTempFile(const PrivateTempFile&) = delete;
    PrivateTempFile& operator=(const PrivateTempFile&) = delete;

    const std::filesystem::path& path() const { return m_path; }

  private:
    std::filesystem::path m_path;
};

} // namespace quillan
