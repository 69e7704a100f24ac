#include "FakeLineQuery.h"

#include "controls/ControlError.h"

namespace quillan {

std::string FakeLineQuery::line(int index) const {
    if (index < 0 || index >= lineCount())
        throw ControlError(9, "Subscript out of range");
    return m_lines[static_cast<size_t>(index)];
}

} // namespace quillan
