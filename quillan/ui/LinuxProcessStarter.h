#pragma once

#include "X11WindowPlacer.h"

#include "runtime/ProcessStarter.h"

namespace quillan {

// Starts programs as processes of their own: an executable directly, a desktop entry (.desktop, this
// platform's shortcut file) the freedesktop way; their first window gets the window state asked for.
class LinuxProcessStarter : public ProcessStarter {
  public:
    std::string find(const std::string& program) override;
    bool start(const std::string& program, const std::vector<std::string>& args, WindowStyle style) override;

  private:
    X11WindowPlacer m_placer;
};

} // namespace quillan
