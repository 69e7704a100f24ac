#pragma once

#include "ControlBinding.h"

#include <QLineEdit>
#include <QObject>

namespace quillan {

class TextBox;

// A one-line text box. A character typed at the end goes through KeyPress and Change one at a time; any other
// edit (deleting, pasting, typing in the middle) replaces the whole text with one Change. Leaving the box for
// another control of the same window runs LostFocus; switching to another window does not.
class TextBinding : public QObject, public ControlBinding {
    Q_OBJECT
  public:
    TextBinding(TextBox& text, QLineEdit& widget);
    void refresh(Property property, bool initial) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool typedAtEnd(const QString& typed) const;

    TextBox& m_text;
};

} // namespace quillan
