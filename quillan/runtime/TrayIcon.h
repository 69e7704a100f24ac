#pragma once

#include <string>

namespace quillan {

// The program's icon in the notification area. Results are ignored, as the platform call's were.
class TrayIcon {
  public:
    virtual ~TrayIcon() = default;
    // Whether the desktop has a notification area to show the icon in (many have none).
    virtual bool available() = 0;
    virtual void add(const std::string& tip) = 0;
    virtual void modify(const std::string& tip) = 0;
    virtual void remove(const std::string& tip) = 0;
};

} // namespace quillan
