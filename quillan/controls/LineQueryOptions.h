#pragma once

namespace quillan {

// Where and how long the finger and whois controls ask.
struct LineQueryOptions {
    int port = 0;
    int timeoutMs = 20000;
};

} // namespace quillan
