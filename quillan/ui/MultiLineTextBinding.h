#pragma once

#include "ControlBinding.h"

#include <QPlainTextEdit>

namespace quillan {

class TextBox;

// A multi-line text box: the model holds CR LF line breaks, the widget shows lines. An edit by the user
// replaces the whole text with one Change.
class MultiLineTextBinding : public ControlBinding {
  public:
    MultiLineTextBinding(TextBox& text, QPlainTextEdit& widget);
    void refresh(Property property, bool initial) override;

  private:
    TextBox& m_text;
};

} // namespace quillan
