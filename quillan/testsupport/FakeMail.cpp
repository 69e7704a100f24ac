#include "FakeMail.h"

namespace quillan {

void FakeMail::setAction(int action) {
    if (action == kActionCheck) {
        m_log.add(m_name + " check " + quillan::quoted(m_server) + " " + quillan::quoted(m_user) + " " +
                  quillan::quoted(m_password));
        // The mailbox as it is at check time.
        m_count = m_mailbox;
    } else if (action == kActionClose) {
        m_log.add(m_name + " close");
    } else {
        m_log.add(m_name + " action " + std::to_string(action));
    }
}

void FakeMail::raiseDone() {
    if (Done)
        Done();
}

void FakeMail::raiseError(const std::string& reason) {
    if (AsyncError)
        AsyncError(reason);
}

} // namespace quillan
