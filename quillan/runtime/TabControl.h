#pragma once

#include "Control.h"

#include <string>
#include <vector>

namespace quillan {

// Tabbed pages; only the page whose index is Tab is shown. Controls name their page when created.
class TabControl : public Control {
  public:
    TabControl(Form& form, std::string name, std::vector<std::string> pageCaptions)
        : Control(form, std::move(name)), m_pages(std::move(pageCaptions)) {}
    const char* kind() const override { return "tabs"; }

    int tab() const { return m_tab; }
    void setTab(int page);
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    const std::string& pageCaption(int page) const { return m_pages.at(static_cast<size_t>(page)); }

  private:
    std::vector<std::string> m_pages;
    int m_tab = 0;
};

} // namespace quillan
