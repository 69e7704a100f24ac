#pragma once

#include <QAbstractButton>
#include <QKeySequence>
#include <QLabel>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

namespace quillan {

// The accelerators a user can press at once: those of the labels and buttons shown in window, with the
// names of the widgets (or their texts, for widgets without one) that carry each.
inline std::map<QKeySequence, std::vector<std::string>> acceleratorsShown(QWidget& window) {
    std::map<QKeySequence, std::vector<std::string>> shown;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            text = button->text();
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty() && widget->isVisibleTo(&window))
            shown[key].push_back(
                (widget->objectName().isEmpty() ? text : widget->objectName()).toStdString());
    }
    return shown;
}

} // namespace quillan
