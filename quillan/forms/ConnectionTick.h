#pragma once

namespace quillan {

class Forms;
struct ConnectionClock;

// One second of the main console's timer: the scan, the clock and its displays, the reminder,
// the limit warnings and the notice of a line that has gone.
class ConnectionTick {
  public:
    explicit ConnectionTick(Forms& forms) : m_forms(forms) {}
    void run();

    // Whether a reminder or mail interval of n minutes (or hours) falls due at this clock value.
    // An interval of 0 never falls due.
    static bool due(const ConnectionClock& clock, int n, bool inMinutes, bool inHours);

  private:
    void countSecond();
    void showTime();
    void keepAlive();
    void remind();
    // False when the mail interval cannot be read: the rest of the tick is skipped.
    bool triggerMail();
    void checkLimits();
    void noticeLineDrop();

    void sendKeepAliveEcho();
    void startMailCheck();

    Forms& m_forms;
};

} // namespace quillan
