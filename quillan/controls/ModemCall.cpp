#include "ModemCall.h"

#include "DialStatus.h"
#include "ModemManagerHint.h"
#include "controls/DialUpControl.h"

namespace quillan {

namespace {
constexpr int kCarrierCheckMs = 1000;

std::string withModemManagerHint(const std::string& reason) {
    std::string hint = modemManagerHint();
    return hint.empty() ? reason : reason + ". " + hint;
}
} // namespace

ModemCall::ModemCall(EventLoop& loop, ProcessEnder& ender, DialTrace& trace, CallPlan plan, Report report,
                     std::function<void()> lineClosed)
    : m_loop(loop), m_ender(ender), m_trace(trace), m_plan(std::move(plan)), m_report(std::move(report)),
      m_lineClosed(std::move(lineClosed)), m_dialogue(*this, m_plan.dial) {}

ModemCall::~ModemCall() {
    m_over = true;
    closeLine();
}

void ModemCall::start() {
    m_report(dialstate::kOpenPort, DialStatus::openingPort(m_plan.device));
    if (std::string error = m_port.open(m_plan.device, m_plan.speed, m_plan.lockFolder); !error.empty()) {
        fail(m_port.wasBusy() ? withModemManagerHint(error) : error);
        return;
    }
    m_report(dialstate::kPortOpened, DialStatus::portOpened());
    m_watch = m_loop.watchReadable(m_port.fd(), [this] { readLine(); });
    m_dialogue.start();
}

void ModemCall::readLine() {
    bool eof = false;
    std::string bytes = m_port.read(eof);
    if (!bytes.empty())
        m_trace.fromModem(bytes);
    m_dialogue.feed(bytes);
    if (!eof || m_over)
        return;
    if (m_up) {
        carrierLost();
        return;
    }
    fail("the line to the modem was closed");
}

void ModemCall::sendToModem(std::string_view bytes) {
    if (m_over)
        return;
    m_trace.toModem(bytes);
    if (!m_port.write(bytes))
        fail("the modem does not take commands");
}

void ModemCall::armTimeout(int ms) {
    cancelTimeout();
    m_timeout = m_loop.singleShot(ms, [this] {
        m_timeout = 0;
        m_dialogue.timedOut();
    });
}

void ModemCall::cancelTimeout() {
    if (m_timeout)
        m_loop.cancel(m_timeout);
    m_timeout = 0;
}

void ModemCall::dialing() {
    if (!m_over)
        m_report(dialstate::kConnectDevice, DialStatus::dialing(m_plan.dial.number));
}

void ModemCall::modemConnected(const std::string& speed) {
    m_report(dialstate::kDeviceConnected, DialStatus::modemConnected(speed));
    if (m_plan.ppp)
        startPpp();
    else
        connected();
}

void ModemCall::connected() {
    m_up = true;
    m_report(kStateConnected, DialStatus::connected());
    if (!m_pppd)
        m_carrierCheck = m_loop.singleShot(kCarrierCheckMs, [this] { checkCarrier(); });
}

void ModemCall::checkCarrier() {
    m_carrierCheck = 0;
    if (!m_port.carrierMaybeUp()) {
        carrierLost();
        return;
    }
    m_carrierCheck = m_loop.singleShot(kCarrierCheckMs, [this] { checkCarrier(); });
}

void ModemCall::startPpp() {
    // pppd owns the line from here; keep the descriptor only to drop DTR at the end.
    m_loop.unwatch(m_watch);
    m_watch = 0;
    PppdSession::Events events;
    events.authenticated = [this] { pppAuthenticated(); };
    events.linkUp = [this] { pppLinkUp(); };
    events.ended = [this](const std::string& reason) { pppEnded(reason); };
    m_pppd = std::make_unique<PppdSession>(m_loop, m_ender, std::move(events));
    m_pppd->logged = [this](std::string_view line) { m_trace.pppd(line); };
    if (std::string error = m_pppd->start(m_plan.pppd, m_port.fd()); !error.empty()) {
        fail("pppd could not be started: " + error);
        return;
    }
    m_report(dialstate::kAuthenticate, DialStatus::authenticating());
    m_timeout = m_loop.singleShot(m_plan.pppTimeoutMs, [this] {
        m_timeout = 0;
        fail("pppd did not bring the link up in time");
    });
}

void ModemCall::pppAuthenticated() {
    if (m_authenticated || m_over)
        return;
    m_authenticated = true;
    m_report(dialstate::kAuthenticated, DialStatus::authenticated());
}

void ModemCall::pppLinkUp() {
    if (m_up || m_over)
        return;
    pppAuthenticated();
    cancelTimeout();
    connected();
}

void ModemCall::pppEnded(const std::string& reason) {
    if (m_up)
        carrierLost();
    else
        fail("pppd: " + reason);
}

void ModemCall::dialFailed(DialFailure failure) {
    std::string reason = DialStatus::reason(failure);
    bool strange = failure == DialFailure::NotResponding || failure == DialFailure::CommandRejected;
    fail(strange ? withModemManagerHint(reason) : reason);
}

void ModemCall::carrierLost() {
    m_up = false;
    m_over = true;
    closeLine();
}

void ModemCall::fail(const std::string& reason) {
    if (m_over)
        return;
    m_over = true;
    closeLine();
    m_report(kStateDisconnected, DialStatus::disconnected(reason));
}

void ModemCall::closeLine() {
    if (m_watch)
        m_loop.unwatch(m_watch);
    m_watch = 0;
    cancelTimeout();
    if (m_carrierCheck)
        m_loop.cancel(m_carrierCheck);
    m_carrierCheck = 0;
    // The hang-up first, so pppd ends on it at once rather than negotiating its end with the far side.
    m_port.dropDtr();
    if (m_pppd)
        m_pppd->stop();
    if (m_port.isOpen()) {
        m_port.close();
        if (m_lineClosed)
            m_lineClosed();
    }
}

} // namespace quillan
