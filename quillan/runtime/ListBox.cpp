#include "ListBox.h"

namespace quillan {

bool ListBox::selected(int index) const {
    return index >= 0 && static_cast<size_t>(index) < m_ticks.size() && m_ticks[static_cast<size_t>(index)];
}

void ListBox::setSelected(int index, bool ticked) {
    if (index < 0 || index >= listCount())
        return;
    if (m_ticks.size() < static_cast<size_t>(listCount()))
        m_ticks.resize(static_cast<size_t>(listCount()), false);
    m_ticks[static_cast<size_t>(index)] = ticked;
    changed(Property::Value);
}

void ListBox::userCheck(int index) {
    setListIndex(index);
    setSelected(index, !selected(index));
    if (ItemCheck)
        ItemCheck(index);
}

void ListBox::itemRemoved(int index) {
    if (static_cast<size_t>(index) < m_ticks.size())
        m_ticks.erase(m_ticks.begin() + index);
}

} // namespace quillan
