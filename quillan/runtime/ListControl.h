#pragma once

#include "Control.h"

#include <functional>
#include <string>
#include <vector>

namespace quillan {

// Items with one selected line (ListIndex, -1 for none). Selecting from code runs nothing;
// a user's choice selects, then runs Click.
class ListControl : public Control {
public:
    using Control::Control;

    int listCount() const { return static_cast<int>(m_items.size()); }
    const std::string& list(int index) const { return m_items.at(static_cast<size_t>(index)); }
    const std::vector<std::string>& items() const { return m_items; }
    int listIndex() const { return m_listIndex; }
    // The selected item, or "" with no selection.
    std::string text() const;

    void addItem(const std::string& item);
    void removeItem(int index);
    void clear();
    void setListIndex(int index);
    // Index of the first item equal to text, or -1.
    int indexOf(const std::string& text) const;

    void userChoose(int index);

    std::function<void()> Click;

protected:
    virtual void itemRemoved(int index) { (void)index; }
    virtual void cleared() {}

private:
    std::vector<std::string> m_items;
    int m_listIndex = -1;
};

} // namespace quillan
