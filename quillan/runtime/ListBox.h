#pragma once

#include "ListControl.h"

namespace quillan {

// A list box; with check boxes, every line carries its own tick and ItemCheck reports a user's toggle.
class ListBox : public ListControl {
  public:
    ListBox(Form& form, std::string name, Control* container = nullptr, int page = -1,
            bool checkBoxes = false)
        : ListControl(form, std::move(name), container, page), m_checkBoxes(checkBoxes) {}
    const char* kind() const override { return m_checkBoxes ? "checklist" : "list"; }

    bool hasCheckBoxes() const { return m_checkBoxes; }
    bool selected(int index) const;
    void setSelected(int index, bool ticked);

    // The user toggles the tick of one line: it becomes the selected line, then ItemCheck runs.
    void userCheck(int index);

    std::function<void(int)> ItemCheck;

  protected:
    void itemRemoved(int index) override;
    void cleared() override { m_ticks.clear(); }

  private:
    bool m_checkBoxes;
    std::vector<bool> m_ticks;
};

} // namespace quillan
