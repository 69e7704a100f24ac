#include "TextBinding.h"

#include "QtText.h"

#include "runtime/TextBox.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace quillan {

TextBinding::TextBinding(TextBox& text, QLineEdit& widget) : ControlBinding(text, &widget), m_text(text) {
    widget.installEventFilter(this);
    connect(&widget, &QLineEdit::textEdited, this, [this](const QString& edited) {
        user([this, edited] { m_text.setText(fromQt(edited)); }, Property::Text);
    });
}

void TextBinding::refresh(Property property, bool initial) {
    auto* edit = static_cast<QLineEdit*>(widget());
    if (edit && (property == Property::Text || property == Property::Caption)) {
        edit->setEchoMode(m_text.passwordChar() ? QLineEdit::Password : QLineEdit::Normal);
        const QString text = toQt(m_text.text());
        if (edit->text() != text)
            edit->setText(text);
    }
    ControlBinding::refresh(property, initial);
}

bool TextBinding::typedAtEnd(const QString& typed) const {
    auto* edit = static_cast<QLineEdit*>(widget());
    return typed.size() == 1 && typed[0].unicode() >= 0x20 && typed[0].unicode() < 0x7f &&
           !edit->isReadOnly() && !edit->hasSelectedText() && edit->cursorPosition() == edit->text().size();
}

bool TextBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched != widget() || applying())
        return false;
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
        if (plain && typedAtEnd(key->text())) {
            const char typed = static_cast<char>(key->text()[0].unicode());
            user([this, typed] { m_text.userType(typed); }, Property::Text);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            user([this] { m_text.userLeave(); }, Property::Text);
    }
    return false;
}

} // namespace quillan
