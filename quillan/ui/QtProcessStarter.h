#pragma once

#include "runtime/ProcessStarter.h"

namespace quillan {

// Starts programs detached from Quillan. The window style is a wish the desktop may not grant.
class QtProcessStarter : public ProcessStarter {
public:
    std::string find(const std::string& program) override;
    bool start(const std::string& program, const std::vector<std::string>& args, WindowStyle style) override;
};

} // namespace quillan
