#pragma once

#include "RecordingServices.h"

#include "controls/IcmpEchoControl.h"

#include <string>
#include <vector>

namespace quillan {

// Records the steps of each burst and logs it as `echo "HOST" N` when its handle closes. No echo is
// ever answered.
class FakeIcmpEcho : public IcmpEchoControl {
  public:
    explicit FakeIcmpEcho(EffectLog& log) : m_log(log) {}

    void WSAStartup() override { steps.push_back("WSAStartup"); }
    void gethostbyname(const std::string& name, std::function<void(Address)> found) override;
    void IcmpCreateFile() override { steps.push_back("IcmpCreateFile"); }
    void IcmpSendEcho(std::shared_ptr<const Address> destination, const std::string& payload, int timeToLive,
                      int timeoutMs, std::function<void(int replies)> replied) override;
    void IcmpCloseHandle() override;
    void WSACleanup() override { steps.push_back("WSACleanup"); }

    // Each step as its name, a request as `IcmpSendEcho ADDRESS "PAYLOAD" TTL TIMEOUT`.
    std::vector<std::string> steps;
    // What the next lookups find; 0 finds nothing.
    Address address = 0;

  private:
    EffectLog& m_log;
    std::string m_host;
    int m_requests = 0;
};

} // namespace quillan
