#include "QtTrayIcon.h"

#include "QtText.h"

namespace quillan {

int trayMessageFor(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger: return 514;
    case QSystemTrayIcon::DoubleClick: return 515;
    case QSystemTrayIcon::Context: return 517;
    default: return 0;
    }
}

QtTrayIcon::QtTrayIcon(const QIcon& icon) : m_icon(icon) {
    QObject::connect(&m_icon, &QSystemTrayIcon::activated, [this](QSystemTrayIcon::ActivationReason reason) {
        const int number = trayMessageFor(reason);
        if (number && message)
            message(number);
    });
}

bool QtTrayIcon::available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void QtTrayIcon::add(const std::string& tip) {
    m_icon.setToolTip(toQt(tip));
    m_icon.show();
}

void QtTrayIcon::modify(const std::string& tip) { m_icon.setToolTip(toQt(tip)); }

void QtTrayIcon::remove(const std::string&) { m_icon.hide(); }

} // namespace quillan
