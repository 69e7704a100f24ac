#include "FakeFinger.h"

namespace quillan {

void FakeFinger::setAction(int action) {
    if (action == 1)
        m_log.add("finger " + quillan::quoted(m_host) + " " + quillan::quoted(m_query) + " " +
                  std::to_string(m_verbose));
}

void FakeFinger::complete(std::vector<std::string> lines) {
    m_answer.setLines(std::move(lines));
    if (Done)
        Done();
}

void FakeFinger::fail() {
    m_answer.setFailed(true);
    if (Done)
        Done();
}

} // namespace quillan
