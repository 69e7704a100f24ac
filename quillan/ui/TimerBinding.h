#pragma once

#include "ControlBinding.h"

#include <QTimer>

namespace quillan {

class Timer;

// A form timer has no widget: a QTimer runs its Tick while it is enabled. A tick that falls due while the
// previous one is still running (a message box inside the handler) is skipped.
class TimerBinding : public ControlBinding {
  public:
    explicit TimerBinding(Timer& timer);
    void refresh(Property property, bool initial) override;

    // For a demonstration run faster than life: every form timer ticks `pace` times as often.
    static void setPace(int pace);

  private:
    Timer& m_timer;
    QTimer m_clock;
    bool m_ticking = false;
};

} // namespace quillan
