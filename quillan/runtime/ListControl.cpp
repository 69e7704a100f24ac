#include "ListControl.h"

#include <stdexcept>

namespace quillan {

std::string ListControl::text() const {
    return m_listIndex >= 0 && m_listIndex < listCount() ? m_items[static_cast<size_t>(m_listIndex)] : "";
}

void ListControl::addItem(const std::string& item) {
    if (listCount() >= kMaxListItems)
        throw ListFull();
    m_items.push_back(item);
    m_appended = true;
    changed(Property::List);
}

void ListControl::removeItem(int index) {
    if (index < 0 || index >= listCount())
        throw std::out_of_range("list index out of range");
    m_items.erase(m_items.begin() + index);
    m_appended = false;
    itemRemoved(index);
    if (m_listIndex == index)
        m_listIndex = -1;
    else if (m_listIndex > index)
        --m_listIndex;
    changed(Property::List);
}

void ListControl::setItems(std::vector<std::string> items) {
    if (items.size() > static_cast<size_t>(kMaxListItems))
        items.resize(static_cast<size_t>(kMaxListItems));
    m_items = std::move(items);
    m_appended = false;
    m_listIndex = -1;
    cleared();
    changed(Property::List);
}

void ListControl::clear() {
    m_items.clear();
    m_appended = false;
    m_listIndex = -1;
    cleared();
    changed(Property::List);
}

void ListControl::setListIndex(int index) {
    if (index < -1 || index >= listCount())
        throw std::out_of_range("list index out of range");
    if (index == m_listIndex)
        return;
    m_listIndex = index;
    changed(Property::ListIndex);
}

int ListControl::indexOf(const std::string& text) const {
    for (int i = 0; i < listCount(); ++i)
        if (m_items[static_cast<size_t>(i)] == text)
            return i;
    return -1;
}

void ListControl::userChoose(int index) {
    setListIndex(index);
    if (Click)
        Click();
}

} // namespace quillan
