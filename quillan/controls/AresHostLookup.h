#pragma once

#include "AresResolver.h"
#include "HostLookupControl.h"

#include <string>

namespace quillan {

// The host lookup control on the shared resolver: IPv4 and IPv6 addresses of a name (the first one
// found is the answer), and the name of either kind of address.
class AresHostLookup : public HostLookupControl {
  public:
    explicit AresHostLookup(AresResolver& resolver) : m_resolver(resolver) {}

    std::string HostName() override { return m_name; }
    void setHostName(const std::string& name) override { m_name = name; }
    std::string HostAddress() override { return m_address; }
    void setHostAddress(const std::string& address) override { m_address = address; }
    void setAction(std::int16_t action) override;

    // Why the last lookup failed, in words; empty after a success.
    const std::string& lastError() const { return m_error; }

  private:
    void answer(const std::string& error);

    AresResolver& m_resolver;
    std::string m_name;
    std::string m_address;
    std::string m_error;
};

} // namespace quillan
