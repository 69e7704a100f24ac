#include "SessionQuit.h"

#include <QCoreApplication>
#include <QEvent>

namespace quillan {

SessionQuit::SessionQuit(std::function<void()> ending) : m_ending(std::move(ending)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool SessionQuit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit)
        m_ending();
    return false;
}

} // namespace quillan
