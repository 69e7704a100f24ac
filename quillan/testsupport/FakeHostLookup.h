#pragma once

#include "RecordingServices.h"

#include "controls/HostLookupControl.h"

namespace quillan {

// Logs `lookup address "NAME"` and `lookup name "ADDRESS"` as lookups start; answers only when told.
class FakeHostLookup : public HostLookupControl {
  public:
    explicit FakeHostLookup(EffectLog& log) : m_log(log) {}

    std::string HostName() override { return m_name; }
    void setHostName(const std::string& name) override { m_name = name; }
    std::string HostAddress() override { return m_address; }
    void setHostAddress(const std::string& address) override { m_address = address; }
    void setAction(std::int16_t action) override;

    // Raises Done(error); a result, when given, first becomes the answer of the latest lookup.
    void complete(std::int16_t error, const std::string* result);

  private:
    EffectLog& m_log;
    std::string m_name;
    std::string m_address;
    std::int16_t m_lastAction = 0;
};

} // namespace quillan
