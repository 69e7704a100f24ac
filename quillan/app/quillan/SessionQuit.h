#pragma once

#include <QObject>

#include <functional>

namespace quillan {

// The desktop session ending: at logout the session manager has the program quit, which reaches the
// application as a quit event. Seen here before the windows are asked to close, so that the call is
// ended without a question nobody is left to answer.
class SessionQuit : public QObject {
  public:
    explicit SessionQuit(std::function<void()> ending);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> m_ending;
};

} // namespace quillan
