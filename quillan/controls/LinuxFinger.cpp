#include "LinuxFinger.h"

namespace quillan {

LinuxFinger::LinuxFinger(EventLoop& loop, AresResolver& resolver, LineQueryOptions options)
    : m_options(options), m_connection(loop, resolver, options.timeoutMs) {}

void LinuxFinger::setAction(int action) {
    if (action != 1)
        return;
    const std::string question = (m_verbose ? "/W " : "") + m_query;
    m_connection.start(m_host, m_options.port, question, [this](const std::string& error) {
        m_error = error;
        if (!error.empty())
            m_failed = true;
        if (Done)
            Done();
    });
}

} // namespace quillan
