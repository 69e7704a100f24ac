#include "TextBox.h"

namespace quillan {

void TextBox::setText(const std::string& text) {
    if (text == caption())
        return;
    setCaption(text);
    if (Change)
        Change();
}

void TextBox::userType(char c) {
    if (KeyPress)
        KeyPress(c);
    if (c != 0)
        setText(text() + c);
}

void TextBox::userLeave() {
    if (LostFocus)
        LostFocus();
}

} // namespace quillan
