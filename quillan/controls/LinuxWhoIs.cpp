#include "LinuxWhoIs.h"

namespace quillan {

LinuxWhoIs::LinuxWhoIs(EventLoop& loop, AresResolver& resolver, LineQueryOptions options)
    : m_options(options), m_connection(loop, resolver, options.timeoutMs) {}

void LinuxWhoIs::Query() {
    m_connection.start(m_server, m_options.port, m_query, [this](const std::string& error) {
        m_error = error;
        if (!error.empty())
            m_failed = true;
        if (Done)
            Done();
    });
}

} // namespace quillan
