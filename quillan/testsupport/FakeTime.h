#pragma once

#include "RecordingServices.h"

#include "controls/TimeControl.h"

namespace quillan {

// Logs `time "HOST"` as a query starts; answers only when told.
class FakeTime : public TimeControl {
  public:
    explicit FakeTime(EffectLog& log) : m_log(log) {}

    std::string Host() override { return kTimeServerHost; }
    void GetTime() override;
    std::string TimeText() override { return m_text; }

    // The time text, then Done(0).
    void complete(const std::string& text);
    // The next GetTime raises this error number instead of starting.
    int nextError = 0;

  private:
    EffectLog& m_log;
    std::string m_text;
};

} // namespace quillan
