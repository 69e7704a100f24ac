#include "LineReader.h"

namespace quillan {

void LineReader::reset() {
    m_line.clear();
    m_cut = false;
    m_afterCr = false;
    m_full = false;
    m_bytes = 0;
    m_lines = 0;
}

} // namespace quillan
