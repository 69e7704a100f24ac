#include "DialTrace.h"

#include <cstdio>

namespace quillan {

void DialTrace::state(std::int16_t state, std::string_view text) {
    if (m_sink)
        write("state " + std::to_string(state) + ": ", text);
}

void DialTrace::write(std::string_view what, std::string_view text) {
    if (!m_sink)
        return;
    std::string masked(text);
    if (!m_secret.empty())
        for (size_t at = masked.find(m_secret); at != std::string::npos; at = masked.find(m_secret, at + 8))
            masked.replace(at, m_secret.size(), "********");
    std::string line(what);
    // Control characters are shown, so a modem's CR LF and stray bytes can be told apart.
    for (unsigned char c : masked) {
        if (c == '\r')
            line += "\\r";
        else if (c == '\n')
            line += "\\n";
        else if (c < 0x20 || c == 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            line += hex;
        } else
            line += static_cast<char>(c);
    }
    m_sink(line);
}

} // namespace quillan
