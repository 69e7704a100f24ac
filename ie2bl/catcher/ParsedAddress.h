#pragma once

#include "catcher/ServiceKind.h"

#include <string>

namespace ie2bl {

struct ParsedAddress {
    bool ok = false;
    ServiceKind kind = ServiceKind::Unrecognised;
    std::string server;
    std::string path;
};

} // namespace ie2bl
