#pragma once

#include "HayesDialogue.h"
#include "PppdSession.h"
#include "SerialPort.h"
#include "runtime/EventLoop.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace quillan {

struct CallPlan {
    // The serial line of the modem.
    std::string device;
    int speed = 0;
    DialPlan dial;
    // Starts pppd once the modem has connected.
    bool ppp = false;
    PppdPlan pppd;
    int pppTimeoutMs = 60000;
};

// One call on a modem: the AT dialogue, then pppd when asked for, reported as connection states.
// Every state up to the connected one is reported; a failure closes the line before it is reported;
// a line that drops after the connection is reported by isUp() alone.
class ModemCall : private HayesDialogue::Sink {
public:
    using Report = std::function<void(std::int16_t state, const std::string& text)>;

    ModemCall(EventLoop& loop, CallPlan plan, Report report, std::function<void()> lineClosed);
    ~ModemCall() override;
    ModemCall(const ModemCall&) = delete;
    ModemCall& operator=(const ModemCall&) = delete;

    void start();
    bool isUp() const { return m_up; }

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
