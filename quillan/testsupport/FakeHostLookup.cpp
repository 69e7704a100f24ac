#include "FakeHostLookup.h"

namespace quillan {

void FakeHostLookup::setAction(std::int16_t action) {
    m_lastAction = action;
    if (action == kLookupAddress)
        m_log.add("lookup address " + quillan::quoted(m_name));
    else if (action == kLookupName)
        m_log.add("lookup name " + quillan::quoted(m_address));
}

void FakeHostLookup::complete(std::int16_t error, const std::string* result) {
    if (result && m_lastAction == kLookupAddress)
        m_address = *result;
    else if (result && m_lastAction == kLookupName)
        m_name = *result;
    if (Done)
        Done(error);
}

} // namespace quillan
