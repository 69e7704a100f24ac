#include "FakeWhoIs.h"

namespace quillan {

void FakeWhoIs::complete(std::vector<std::string> lines) {
    m_answer.setLines(std::move(lines));
    if (Done)
        Done();
}

void FakeWhoIs::fail() {
    m_answer.setFailed(true);
    if (Done)
        Done();
}

} // namespace quillan
