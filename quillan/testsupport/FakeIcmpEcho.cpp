#include "FakeIcmpEcho.h"

namespace quillan {

void FakeIcmpEcho::gethostbyname(const std::string& name, std::function<void(Address)> found) {
    steps.push_back("gethostbyname " + quillan::quoted(name));
    m_host = name;
    if (address != 0)
        found(address);
}

void FakeIcmpEcho::IcmpSendEcho(std::shared_ptr<const Address> destination, const std::string& payload,
                                int timeToLive, int timeoutMs, std::function<void(int)>) {
    steps.push_back("IcmpSendEcho " + std::to_string(*destination) + " " + quillan::quoted(payload) + " " +
                    std::to_string(timeToLive) + " " + std::to_string(timeoutMs));
    ++m_requests;
}

void FakeIcmpEcho::IcmpCloseHandle() {
    steps.push_back("IcmpCloseHandle");
    m_log.add("echo " + quillan::quoted(m_host) + " " + std::to_string(m_requests));
    m_requests = 0;
}

} // namespace quillan
