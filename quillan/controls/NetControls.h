#pragma once

#include "FingerControl.h"
#include "HostLookupControl.h"
#include "IcmpEchoControl.h"
#include "TimeControl.h"
#include "WhoIsControl.h"

#include <string>

namespace quillan {

// The keep-alive's target: a public web server that answers echoes.
inline constexpr const char* kKeepAliveHost = "www.debian.org";

// The outside controls of the keep-alive echo and the net toolkit.
struct NetControls {
    IcmpEchoControl& echo;
    HostLookupControl& hostLookup;
    FingerControl& finger;
    WhoIsControl& whois;
    TimeControl& time;
    std::string echoHost = kKeepAliveHost;
};

} // namespace quillan
