#pragma once

#include "Services.h"

#include <string>
#include <vector>

namespace quillan {

class Control;
class CommandButton;
class MenuItem;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// The mouse pointer shown over a window.
inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerHourglass = 11;

// A window of the classic runtime: it owns its controls (members of the subclass), loads once,
// is shown modeless or modal, hidden, and unloaded; an unloaded form is replaced by a fresh one.
class Form {
  public:
    Form(Services& services, std::string name, std::string caption, int height = 0);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return m_name; }
    Services& services() const { return m_services; }

    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption);
    bool loaded() const { return m_loaded; }
    bool unloaded() const { return m_unloaded; }
    bool visible() const { return m_visible; }
    bool enabled() const { return m_enabled; }
    bool modal() const { return m_modal; }
    WindowState windowState() const { return m_windowState; }
    void setWindowState(WindowState state);
    int height() const { return m_height; }
    void setHeight(int height);
    int mousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    CommandButton* defaultButton() const { return m_defaultButton; }
    void setDefaultButton(CommandButton& button);

    // Brings the window to the front.
    void setForeground() { changed(FormProperty::Foreground); }
    // Opens a pop-up menu (a menu item holding the items) at the mouse position.
    void showPopupMenu(MenuItem& menu);
    MenuItem* popupMenu() const { return m_popupMenu; }

    // Runs the load handler the first time only.
    void load();
    void show();
    // Returns when the form is hidden or unloaded.
    void showModal();
    void hide();
    void unload();
    // The user pressed the window's close box.
    virtual void userClose() { unload(); }

    const std::vector<Control*>& controls() const { return m_controls; }
    Control* control(const std::string& name) const;

    void registerControl(Control& control);
    void controlChanged(Control& control, Property property);

  protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_Resize() {}

  private:
    void changed(FormProperty property);

    Services& m_services;
    std::string m_name;
    std::string m_caption;
    int m_height;
    int m_mousePointer = kPointerDefault;
    bool m_loaded = false;
    bool m_unloaded = false;
    bool m_visible = false;
    bool m_enabled = true;
    bool m_modal = false;
    WindowState m_windowState = WindowState::Normal;
    CommandButton* m_defaultButton = nullptr;
    MenuItem* m_popupMenu = nullptr;
    std::vector<Control*> m_controls;
};

} // namespace quillan
