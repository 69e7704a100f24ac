#include "ControlBinding.h"

#include "ButtonBinding.h"
#include "CaptionBinding.h"
#include "ClickableLabelBinding.h"
#include "ComboBinding.h"
#include "FolderListBinding.h"
#include "ListBinding.h"
#include "MultiLineTextBinding.h"
#include "QtText.h"
#include "TabBinding.h"
#include "TextBinding.h"
#include "TimerBinding.h"
#include "ToggleBinding.h"

#include "runtime/CheckBox.h"
#include "runtime/ComboBox.h"
#include "runtime/CommandButton.h"
#include "runtime/DirListBox.h"
#include "runtime/DriveListBox.h"
#include "runtime/FileListBox.h"
#include "runtime/Frame.h"
#include "runtime/Label.h"
#include "runtime/ListBox.h"
#include "runtime/OptionButton.h"
#include "runtime/PictureBox.h"
#include "runtime/TabControl.h"
#include "runtime/TextBox.h"
#include "runtime/Timer.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace quillan {

ControlBinding::ControlBinding(Control& control, QWidget* widget) : m_control(control), m_widget(widget) {}

void ControlBinding::refresh(Property property, bool initial) {
    (void)initial;
    if (!m_widget)
        return;
    switch (property) {
    case Property::Enabled:
        m_widget->setEnabled(m_control.enabled());
        break;
    case Property::Visible:
        m_widget->setHidden(!m_control.visible());
        break;
    case Property::ToolTip:
        m_widget->setToolTip(toQt(m_control.toolTip()));
        break;
    case Property::Focus:
        m_widget->setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
}

void ControlBinding::follow(Property property) {
    if ((property == Property::List || property == Property::ListIndex) && !m_control.visible()) {
        m_linesStale = true;
        return;
    }
    if (property == Property::Visible && m_control.visible() && m_linesStale) {
        m_linesStale = false;
        refresh(Property::List, false);
    }
    refresh(property, false);
}

void ControlBinding::refreshAll() {
    m_linesStale = false;
    Applying guard;
    for (Property property :
         {Property::List, Property::Caption, Property::Text, Property::ToolTip, Property::Enabled,
          Property::Visible, Property::Value, Property::ListIndex, Property::Tab, Property::Interval})
        refresh(property, true);
}

namespace {
template <class C, class W> C* as(Control& control, QWidget* widget, W*& typed) {
    typed = qobject_cast<W*>(widget);
    return typed ? dynamic_cast<C*>(&control) : nullptr;
}
} // namespace

std::unique_ptr<ControlBinding> makeBinding(Control& control, QWidget* widget) {
    if (auto* timer = dynamic_cast<Timer*>(&control))
        return std::make_unique<TimerBinding>(*timer);
    QAbstractButton* button = nullptr;
    QCheckBox* checkWidget = nullptr;
    QRadioButton* radio = nullptr;
    QLineEdit* edit = nullptr;
    QPlainTextEdit* lines = nullptr;
    QLabel* label = nullptr;
    QGroupBox* group = nullptr;
    QListWidget* list = nullptr;
    QComboBox* combo = nullptr;
    QTabWidget* tabs = nullptr;
    if (auto* c = as<CommandButton>(control, widget, button))
        return std::make_unique<ButtonBinding>(*c, *button);
    if (auto* c = as<CheckBox>(control, widget, checkWidget))
        return std::make_unique<ToggleBinding<CheckBox>>(*c, *checkWidget);
    if (auto* c = as<OptionButton>(control, widget, radio))
        return std::make_unique<ToggleBinding<OptionButton>>(*c, *radio);
    if (auto* c = as<TextBox>(control, widget, edit))
        return std::make_unique<TextBinding>(*c, *edit);
    if (auto* c = as<TextBox>(control, widget, lines))
        return std::make_unique<MultiLineTextBinding>(*c, *lines);
    if (auto* c = as<Label>(control, widget, label))
        return std::make_unique<ClickableLabelBinding<Label>>(*c, *label);
    if (auto* c = as<PictureBox>(control, widget, label))
        return std::make_unique<ClickableLabelBinding<PictureBox>>(*c, *label);
    if (auto* c = as<Frame>(control, widget, group))
        return std::make_unique<CaptionBinding>(*c, *group,
                                                [group](const QString& t) { group->setTitle(t); });
    if (auto* c = as<ListBox>(control, widget, list))
        return std::make_unique<ListBinding>(*c, *list);
    if (auto* c = as<ComboBox>(control, widget, combo))
        return std::make_unique<ComboBinding>(*c, *combo);
    if (auto* c = as<DriveListBox>(control, widget, combo))
        return std::make_unique<ComboBinding>(*c, *combo);
    if (auto* c = as<DirListBox>(control, widget, list))
        return std::make_unique<FolderListBinding>(*c, *list);
    if (auto* c = as<FileListBox>(control, widget, list))
        return std::make_unique<ListBinding>(*c, *list);
    if (auto* c = as<TabControl>(control, widget, tabs))
        return std::make_unique<TabBinding>(*c, *tabs);
    return nullptr;
}

} // namespace quillan
