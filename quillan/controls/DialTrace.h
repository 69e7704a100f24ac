#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quillan {

// What a dial does, line by line, for a user whose modem misbehaves: the bytes to and from the modem,
// every state the dialer reports and what pppd logs. The call's password never appears in it.
class DialTrace {
  public:
    using Sink = std::function<void(std::string_view line)>;

    DialTrace() = default;
    explicit DialTrace(Sink sink) : m_sink(std::move(sink)) {}

    // Masked wherever it would appear, until the next call's.
    void setSecret(std::string secret) { m_secret = std::move(secret); }
    void toModem(std::string_view bytes) { write("modem <- ", bytes); }
    void fromModem(std::string_view bytes) { write("modem -> ", bytes); }
    void state(std::int16_t state, std::string_view text);
    void pppd(std::string_view line) { write("pppd: ", line); }

  private:
    void write(std::string_view what, std::string_view text);

    Sink m_sink;
    std::string m_secret;
};

} // namespace quillan
