#include "HayesDialogue.h"

#include "ModemReply.h"

#include <cctype>

namespace quillan {

namespace {

constexpr int kProbes = 3;

bool startsWithAt(std::string_view text) {
    return text.size() >= 2 && std::toupper(static_cast<unsigned char>(text[0])) == 'A' &&
           std::toupper(static_cast<unsigned char>(text[1])) == 'T';
}

std::string dialCommand(const std::string& number) {
    char first =
        number.empty() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(number[0])));
    return (first == 'T' || first == 'P' ? "ATD" : "ATDT") + number;
}

} // namespace

HayesDialogue::HayesDialogue(Sink& sink, DialPlan plan) : m_sink(sink), m_plan(std::move(plan)) {}

void HayesDialogue::start() {
    m_probesLeft = kProbes - 1;
    command(Phase::Probing, "ATZ", m_plan.commandTimeoutMs);
}

void HayesDialogue::command(Phase phase, const std::string& text, int timeoutMs) {
    m_phase = phase;
    m_sink.armTimeout(timeoutMs);
    m_sink.sendToModem(text + "\r");
}

void HayesDialogue::feed(std::string_view bytes) {
    m_lines.feed(bytes, [this](const LineReader::Line& line) {
        if (m_phase != Phase::Idle && m_phase != Phase::Ended && !line.cut && !line.text.empty())
            onLine(line.text);
    });
}

void HayesDialogue::onLine(std::string_view line) {
    if (startsWithAt(line))
        return; // our own command echoed before echo was turned off
    ModemReply reply = ModemReply::read(line);
    using K = ModemReply::Kind;
    switch (m_phase) {
    case Phase::Probing:
    case Phase::Configuring:
    case Phase::Initialising:
        if (reply.kind == K::Ok)
            afterOk();
        else if (reply.kind == K::Error)
            fail(DialFailure::CommandRejected);
        return;
    case Phase::Dialing:
        switch (reply.kind) {
        case K::Connect:
            m_sink.cancelTimeout();
            m_phase = Phase::Online;
            m_sink.modemConnected(reply.speed);
            return;
        case K::Busy:
            fail(DialFailure::Busy);
            return;
        case K::NoDialTone:
            fail(DialFailure::NoDialTone);
            return;
        case K::NoAnswer:
            fail(DialFailure::NoAnswer);
            return;
        case K::NoCarrier:
            fail(DialFailure::NoCarrier);
            return;
        case K::Error:
            fail(DialFailure::CommandRejected);
            return;
        default:
            return; // RING, RINGING, CARRIER, PROTOCOL and the like
        }
    case Phase::Online:
        if (reply.kind == K::NoCarrier) {
            end();
            m_sink.carrierLost();
        }
        return;
    default:
        return;
    }
}

void HayesDialogue::afterOk() {
    if (m_phase == Phase::Probing) {
        command(Phase::Configuring, "ATE0V1Q0", m_plan.commandTimeoutMs);
    } else if (m_phase == Phase::Configuring && !m_plan.init.empty()) {
        command(Phase::Initialising, startsWithAt(m_plan.init) ? m_plan.init : "AT" + m_plan.init,
                m_plan.commandTimeoutMs);
    } else {
        command(Phase::Dialing, dialCommand(m_plan.number), m_plan.dialTimeoutMs);
        m_sink.dialing();
    }
}

void HayesDialogue::timedOut() {
    if (m_phase == Phase::Probing && m_probesLeft > 0) {
        --m_probesLeft;
        command(Phase::Probing, "ATZ", m_plan.commandTimeoutMs);
    } else if (m_phase == Phase::Dialing) {
        fail(DialFailure::NotAnsweredInTime);
    } else if (m_phase == Phase::Probing || m_phase == Phase::Configuring || m_phase == Phase::Initialising) {
        fail(DialFailure::NotResponding);
    }
}

void HayesDialogue::end() {
    m_phase = Phase::Ended;
    m_lines.reset();
    m_sink.cancelTimeout();
}

void HayesDialogue::fail(DialFailure failure) {
    end();
    m_sink.dialFailed(failure);
}

} // namespace quillan
