#pragma once

#include "UucpLock.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quillan {

// A serial line in raw mode, opened without blocking and without waiting for a carrier, and held for
// this program alone: the system's lock file, flock and TIOCEXCL. Closing it drops DTR, which hangs a
// modem up.
class SerialPort {
  public:
    SerialPort() = default;
    ~SerialPort() { close(); }
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Returns "" or the reason the port could not be opened, naming the program that holds it.
    std::string open(const std::string& device, int speed, const std::filesystem::path& lockFolder);
    // Whether the last refusal of open was a line held by another program.
    bool wasBusy() const { return m_busy; }
    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    // False when the device refused the bytes or went away.
    bool write(std::string_view bytes);
    // What is waiting: "" with eof set when the device went away.
    std::string read(bool& eof);
    // False when the carrier-detect line is known to be down (ports without modem lines say nothing).
    bool carrierMaybeUp() const;
    // Hangs the modem up; pppd sharing the line sees the hang-up too.
    void dropDtr();
    void close();

  private:
    int m_fd = -1;
    UucpLock m_lock;
    bool m_busy = false;
};

} // namespace quillan
