#include "FakeTime.h"

#include "controls/ControlError.h"

#include <utility>

namespace quillan {

void FakeTime::GetTime() {
    const int error = std::exchange(nextError, 0);
    // "Would block" is how a started query reports itself: it is under way all the same.
    if (error == 0 || error == kErrorWouldBlock)
        m_log.add("time " + quillan::quoted(Host()));
    if (error != 0)
        throw ControlError(error, "Time query raised error " + std::to_string(error));
}

void FakeTime::complete(const std::string& text) {
    m_text = text;
    if (Done)
        Done(0);
}

} // namespace quillan
