#pragma once

#include <string>

namespace quillan {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgAnswer { OK, Cancel, Yes, No };

// Modal message boxes; returns the button the user pressed.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual MsgAnswer show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                           const std::string& title) = 0;
};

} // namespace quillan
