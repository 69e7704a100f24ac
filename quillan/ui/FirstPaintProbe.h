#pragma once

#include <QObject>

namespace quillan {

// For start-up measurements: once the first window of the application has been painted, prints
// "first paint at NS" (CLOCK_REALTIME nanoseconds, comparable with `date +%s%N`) and ends the
// process at once, so that a program's start-up can be timed from outside against another's.
class FirstPaintProbe : public QObject {
  public:
    // Watches every widget of the running application.
    FirstPaintProbe();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool m_seen = false;
};

} // namespace quillan
