#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// What the far end does with one dial.
struct ModemOutcome {
    enum class Kind { Connect, Busy, NoCarrier, NoAnswer, NoDialTone, Silence };
    Kind kind = Kind::Connect;
    int speed = 0;
    // The carrier is lost this long after the connection.
    std::optional<double> dropAfterSeconds;
};

struct ModemTimings {
    // From the dial command to its result: the ring.
    double dialSeconds = 1.0;
    // Before each answer to a command.
    double replySeconds = 0.0;
    // Silence needed around the +++ escape.
    double guardSeconds = 1.0;
};

// The virtual modem's script, one instruction a line ('#' starts a comment):
//   delay dial|reply|guard SECONDS
//   speed BPS                          the speed of numbers without a rule
//   mute                               the modem answers nothing at all
//   NUMBER = OUTCOME, OUTCOME, ...     one outcome per successive dial; the last one repeats
// An outcome is BUSY, NO CARRIER, NO ANSWER, NO DIALTONE, SILENCE (no result ever) or
// CONNECT [BPS] [DROP SECONDS]. Numbers match by their digits, * # and +; numbers without a rule
// connect after the dial delay.
class ModemScript {
  public:
    // Returns "" or what is wrong with the line.
    std::string addLine(std::string_view line);
    // Returns "" or "line N: " and what is wrong with it.
    std::string addText(std::string_view text);

    // The outcome of dialling this number now; each call moves its rule on.
    ModemOutcome nextOutcome(std::string_view dialled);
    static std::string numberKey(std::string_view dialled);

    ModemTimings timings;
    int defaultSpeed = 33600;
    bool mute = false;

  private:
    struct Rule {
        std::vector<ModemOutcome> outcomes;
        size_t next = 0;
    };
    std::map<std::string, Rule> m_rules;
};

} // namespace quillan
