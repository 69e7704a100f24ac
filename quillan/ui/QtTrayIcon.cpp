#include "QtTrayIcon.h"

#include "QtText.h"

namespace quillan {

int trayMessageFor(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return 514;
    case QSystemTrayIcon::DoubleClick:
        return 515;
    case QSystemTrayIcon::Context:
        return 517;
    default:
        return 0;
    }
}

QtTrayIcon::QtTrayIcon(const QIcon& icon) : m_image(icon) {}

QSystemTrayIcon& QtTrayIcon::icon() {
    if (!m_icon) {
        m_icon = std::make_unique<QSystemTrayIcon>(m_image);
        QObject::connect(m_icon.get(), &QSystemTrayIcon::activated,
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             const int number = trayMessageFor(reason);
                             if (number && message)
                                 message(number);
                         });
    }
    return *m_icon;
}

bool QtTrayIcon::available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::add(const std::string& tip) {
    icon().setToolTip(toQt(tip));
    icon().show();
}

void QtTrayIcon::modify(const std::string& tip) {
    icon().setToolTip(toQt(tip));
}

void QtTrayIcon::remove(const std::string&) {
    if (m_icon)
        m_icon->hide();
}

} // namespace quillan
