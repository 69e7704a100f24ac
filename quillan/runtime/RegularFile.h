#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace quillan {

// The most the program reads of one of its own text files (settings, phonebook, monthly log).
inline constexpr std::size_t kTextFileLimit = 1024 * 1024;

// A file that could not be read; what() is the reason as a phrase ("No such file or directory",
// "it is a folder, not a file"); missing() tells a file that is simply not there.
class FileReadError : public std::runtime_error {
  public:
    FileReadError(const std::string& reason, bool missing) : std::runtime_error(reason), m_missing(missing) {}
    bool missing() const { return m_missing; }

  private:
    bool m_missing;
};

// The whole contents of a regular file of at most limit bytes. Never waits on a FIFO or a device:
// anything but a regular file (a folder, a FIFO, /dev/zero behind a link) is refused, as is a
// larger file. Throws FileReadError.
std::string readRegularFile(const std::filesystem::path& file, std::size_t limit = kTextFileLimit);

// True only when nothing at all is at the path: a folder, a dangling link or a path that cannot be
// looked at is something, and reading it tells why it is not a usable file.
bool nothingAt(const std::filesystem::path& path);

} // namespace quillan
