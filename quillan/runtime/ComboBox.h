#pragma once

#include "ListControl.h"

namespace quillan {

// A drop-down list: a list control whose lines show one at a time. Its text is the selected line, or
// a text of its own that no line holds.
class ComboBox : public ListControl {
  public:
    using ListControl::ListControl;
    const char* kind() const override { return "combo"; }

    std::string text() const override { return listIndex() >= 0 ? ListControl::text() : m_text; }
    // Shows text: selects the line that holds it, or none and shows the text alone.
    void setText(const std::string& text) {
        m_text = text;
        setListIndex(indexOf(text));
        changed(Property::Text);
    }

  private:
    std::string m_text;
};

} // namespace quillan
