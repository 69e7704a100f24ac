#include "TabControl.h"

#include <stdexcept>

namespace quillan {

void TabControl::setTab(int page) {
    if (page < 0 || page >= pageCount())
        throw std::out_of_range("no such tab page");
    if (page == m_tab)
        return;
    m_tab = page;
    changed(Property::Tab);
}

} // namespace quillan
