#include "MultiLineTextBinding.h"

#include "QtText.h"

#include "runtime/TextBox.h"

namespace quillan {

MultiLineTextBinding::MultiLineTextBinding(TextBox& text, QPlainTextEdit& widget)
    : ControlBinding(text, &widget), m_text(text) {
    QObject::connect(&widget, &QPlainTextEdit::textChanged, &widget, [this, &widget] {
        if (applying())
            return;
        QString edited = widget.toPlainText();
        edited.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        user([this, edited] { m_text.setText(fromQt(edited)); }, Property::Text);
    });
}

void MultiLineTextBinding::refresh(Property property, bool initial) {
    auto* edit = static_cast<QPlainTextEdit*>(widget());
    if (edit && (property == Property::Text || property == Property::Caption)) {
        QString text = toQt(m_text.text());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (edit->toPlainText() != text)
            edit->setPlainText(text);
    }
    ControlBinding::refresh(property, initial);
}

} // namespace quillan
