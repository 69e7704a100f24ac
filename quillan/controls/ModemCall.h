#pragma once

#include "DialCall.h"
#include "DialTrace.h"
#include "HayesDialogue.h"
#include "PppdSession.h"
#include "SerialPort.h"
#include "runtime/EventLoop.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace quillan {

struct CallPlan {
    // The serial line of the modem.
    std::string device;
    int speed = 0;
    // Where the system's serial lock files are.
    std::filesystem::path lockFolder = "/run/lock";
    DialPlan dial;
    // Starts pppd once the modem has connected.
    bool ppp = false;
    PppdPlan pppd;
    int pppTimeoutMs = 60000;
};

// One call on a modem: the AT dialogue, then pppd when asked for, reported as connection states.
// Every state up to the connected one is reported; a failure closes the line before it is reported;
// a line that drops after the connection is reported by isUp() alone.
class ModemCall : public DialCall, private HayesDialogue::Sink {
  public:
    using Report = std::function<void(std::int16_t state, const std::string& text)>;

    ModemCall(EventLoop& loop, ProcessEnder& ender, DialTrace& trace, CallPlan plan, Report report,
              std::function<void()> lineClosed);
    ~ModemCall() override;
    ModemCall(const ModemCall&) = delete;
    ModemCall& operator=(const ModemCall&) = delete;

    void start() override;
    bool isUp() const override { return m_up; }
    pid_t pppdPid() const override { return m_pppd ? m_pppd->pid() : -1; }

  private:
    void sendToModem(std::string_view bytes) override;
    void armTimeout(int ms) override;
    void cancelTimeout() override;
    void dialing() override;
    void modemConnected(const std::string& speed) override;
    void dialFailed(DialFailure failure) override;
    void carrierLost() override;

    void readLine();
    void startPpp();
    void pppAuthenticated();
    void pppLinkUp();
    void pppEnded(const std::string& reason);
    void connected();
    void checkCarrier();
    void fail(const std::string& reason);
    void closeLine();

    EventLoop& m_loop;
    ProcessEnder& m_ender;
    DialTrace& m_trace;
    CallPlan m_plan;
    Report m_report;
    std::function<void()> m_lineClosed;
    SerialPort m_port;
    HayesDialogue m_dialogue;
    std::unique_ptr<PppdSession> m_pppd;
    EventLoop::Id m_watch = 0;
    EventLoop::Id m_timeout = 0;
    EventLoop::Id m_carrierCheck = 0;
    bool m_authenticated = false;
    bool m_up = false;
    bool m_over = false;
};

} // namespace quillan
