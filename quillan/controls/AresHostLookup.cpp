#include "AresHostLookup.h"

#include <sys/socket.h>

namespace quillan {

// The error code Done carries for any failed lookup.
static constexpr std::int16_t kLookupFailed = 1;

void AresHostLookup::setAction(std::int16_t action) {
    if (action == kLookupAddress) {
        m_resolver.addresses(m_name, AF_UNSPEC,
                             [this](const std::string& error, const std::vector<std::string>& found) {
                                 if (error.empty())
                                     m_address = found.front();
                                 answer(error);
                             });
    } else if (action == kLookupName) {
        m_resolver.name(m_address, [this](const std::string& error, const std::string& found) {
            if (error.empty())
                m_name = found;
            answer(error);
        });
    }
}

void AresHostLookup::answer(const std::string& error) {
    m_error = error;
    if (Done)
        Done(error.empty() ? 0 : kLookupFailed);
}

} // namespace quillan
