#pragma once

#include "runtime/TrayIcon.h"

#include <QSystemTrayIcon>

#include <functional>
#include <memory>

namespace quillan {

// Tray mouse messages as the classic notification area reported them.
int trayMessageFor(QSystemTrayIcon::ActivationReason reason);

// The program's icon in the notification area; clicks on it arrive as classic tray mouse messages.
class QtTrayIcon : public TrayIcon {
  public:
    explicit QtTrayIcon(const QIcon& icon);
    bool available() override;
    void add(const std::string& tip) override;
    void modify(const std::string& tip) override;
    void remove(const std::string& tip) override;

    // Told of each mouse message: 514 left button up, 515 left double click, 517 right button up.
    std::function<void(int message)> message;

  private:
    // Made on first use: a tray icon asks the desktop's session bus at once, which start-up need not wait
    // for.
    QSystemTrayIcon& icon();

    QIcon m_image;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace quillan
