#pragma once

#include <string>

namespace quillan {

class Form;

// What changed on a control, so a view can refresh just that.
enum class Property {
    Caption,
    Text,
    ToolTip,
    Enabled,
    Visible,
    Value,
    ListIndex,
    List,
    Tab,
    Interval,
    Focus
};

// A control of a classic form: named, captioned, placed in a container, enabled and visible.
class Control {
  public:
    Control(Form& form, std::string name, Control* container = nullptr, int page = -1);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return m_name; }
    Form& form() const { return m_form; }
    virtual const char* kind() const = 0;

    // Caption and text are one property in the classic runtime; text boxes override text().
    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption);

    const std::string& toolTip() const { return m_toolTip; }
    void setToolTip(const std::string& tip);

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool visible() const { return m_visible; }
    void setVisible(bool visible);

    Control* container() const { return m_container; }
    // Tab page inside a tab control container, -1 otherwise.
    int page() const { return m_page; }

    // A user can reach a control only while it, its containers and its form are enabled and visible,
    // and its tab page is the one shown.
    bool reachable() const;
    // Visible on screen: the control and its containers, ignoring the enabled state.
    bool shown() const;

    void setFocus();

  protected:
    void changed(Property property);

  private:
    Form& m_form;
    std::string m_name;
    Control* m_container;
    int m_page;
    std::string m_caption;
    std::string m_toolTip;
    bool m_enabled = true;
    bool m_visible = true;
};

} // namespace quillan
