#pragma once

#include "LineReader.h"

#include <string>
#include <string_view>

namespace quillan {

// Why a dialogue with the modem ended without a connection.
enum class DialFailure {
    NotResponding,
    CommandRejected,
    Busy,
    NoDialTone,
    NoAnswer,
    NoCarrier,
    NotAnsweredInTime
};

struct DialPlan {
    // Extra AT commands of the entry, with or without their leading AT.
    std::string init;
    // Dialled as ATDT<number> (ATD<number> when it starts with its own T or P).
    std::string number;
    int commandTimeoutMs = 3000;
    int dialTimeoutMs = 60000;
};

// The Hayes AT-command dialogue of one dial, fed with what the modem sends and with time-outs. It holds no
// descriptor and no timer: the Sink carries out what it decides, so it can be driven by bytes alone.
class HayesDialogue {
  public:
    class Sink {
      public:
        virtual ~Sink() = default;
        virtual void sendToModem(std::string_view bytes) = 0;
        // Calls timedOut() after ms unless re-armed or cancelled first.
        virtual void armTimeout(int ms) = 0;
        virtual void cancelTimeout() = 0;
        virtual void dialing() = 0;
        virtual void modemConnected(const std::string& speed) = 0;
        virtual void dialFailed(DialFailure failure) = 0;
        // The modem reported the loss of the carrier after the connection.
        virtual void carrierLost() = 0;
    };

    enum class Phase { Idle, Probing, Configuring, Initialising, Dialing, Online, Ended };

    HayesDialogue(Sink& sink, DialPlan plan);

    void start();
    void feed(std::string_view bytes);
    void timedOut();
    Phase phase() const { return m_phase; }

  private:
    void onLine(std::string_view line);
    void command(Phase phase, const std::string& text, int timeoutMs);
    void afterOk();
    void end();
    void fail(DialFailure failure);

    Sink& m_sink;
    DialPlan m_plan;
    Phase m_phase = Phase::Idle;
    int m_probesLeft = 0;
    // Longer lines are not modem replies; a cut one is never read as a reply.
    LineReader m_lines{{.lineBytes = 256}};
};

} // namespace quillan
