#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace quillan {

// SIGTERM, SIGHUP and SIGINT (logout, a closed terminal, Ctrl+C) as calls on the event loop, so that the
// program can end a call properly instead of dying with it. The handler only writes the signal's number
// into a pipe; everything else runs later, between handlers. Programs started afterwards get the default
// dispositions back when they exec.
class TerminationSignals {
  public:
    explicit TerminationSignals(std::function<void(int signal)> received);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

  private:
    void drain();

    std::function<void(int)> m_received;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace quillan
