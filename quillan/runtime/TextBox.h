#pragma once

#include "Control.h"

#include <functional>

namespace quillan {

// A one-line text box. Change runs on every change of the text, from the user or from code.
class TextBox : public Control {
  public:
    using Control::Control;
    const char* kind() const override { return "text"; }

    const std::string& text() const { return caption(); }
    void setText(const std::string& text);

    // Shown instead of each character (a password box), or 0 for plain text.
    char passwordChar() const { return m_passwordChar; }
    void setPasswordChar(char c) { m_passwordChar = c; }

    // The user types one character at the end: KeyPress may discard it (set it to 0), then Change.
    void userType(char c);
    void userLeave();

    std::function<void()> Change;
    std::function<void(char&)> KeyPress;
    std::function<void()> LostFocus;

  private:
    char m_passwordChar = 0;
};

} // namespace quillan
