#pragma once

#include "VirtualModem.h"

#include <string>

namespace quillan {

// Puts a virtual modem behind a pseudo-terminal: a dialer opens linePath() as its serial line, and
// closing that line is the modem's hang-up (DTR drop), however soon it is opened again.
class PtyModemHost {
  public:
    // Throws std::runtime_error when no pseudo-terminal can be had.
    PtyModemHost(EventLoop& loop, ModemScript& script);
    ~PtyModemHost();
    PtyModemHost(const PtyModemHost&) = delete;
    PtyModemHost& operator=(const PtyModemHost&) = delete;

    const std::string& linePath() const { return m_linePath; }
    VirtualModem::Mode mode() const { return m_modem.mode(); }

  private:
    void readLine();
    void checkReopened();
    // Reads the pending notices of the line; true when it was closed since the last look.
    bool takeNotices();
    void write(std::string_view bytes);

    EventLoop& m_loop;
    std::string m_linePath; // before m_master, which fills it
    int m_master = -1;
    VirtualModem m_modem;
    EventLoop::Id m_watch = 0;
    int m_notices = -1;
    EventLoop::Id m_noticesWatch = 0;
};

} // namespace quillan
