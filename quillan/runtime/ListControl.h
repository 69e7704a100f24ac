#pragma once

#include "Control.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillan {

// Adding to a list that holds kMaxListItems already: the list has no room left.
class ListFull : public std::runtime_error {
  public:
    ListFull() : std::runtime_error("the list has no room left") {}
};

// Items with one selected line (ListIndex, -1 for none). Selecting from code runs nothing;
// a user's choice selects, then runs Click.
class ListControl : public Control {
  public:
    using Control::Control;
    // The most lines a list holds.
    static constexpr int kMaxListItems = 32767;

    int listCount() const { return static_cast<int>(m_items.size()); }
    const std::string& list(int index) const { return m_items.at(static_cast<size_t>(index)); }
    const std::vector<std::string>& items() const { return m_items; }
    int listIndex() const { return m_listIndex; }
    // The selected item, or "" with no selection.
    virtual std::string text() const;

    // Throws ListFull when the list holds kMaxListItems lines already.
    void addItem(const std::string& item);
    void removeItem(int index);
    void clear();
    void setListIndex(int index);
    // The last change of the lines added one at the end, so a view may append it instead of refilling.
    bool lastChangeAppended() const { return m_appended; }
    // Index of the first item equal to text, or -1.
    int indexOf(const std::string& text) const;

    virtual void userChoose(int index);

    std::function<void()> Click;

  protected:
    // Replaces every line at once, beyond the limit cut off; no line is selected.
    void setItems(std::vector<std::string> items);
    virtual void itemRemoved(int index) { (void)index; }
    virtual void cleared() {}

  private:
    std::vector<std::string> m_items;
    int m_listIndex = -1;
    bool m_appended = false;
};

} // namespace quillan
