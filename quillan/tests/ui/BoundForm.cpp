#include "BoundForm.h"

#include <QPlainTextEdit>

#include <filesystem>

namespace quillan {

namespace {
template <class W> W* add(QWidget& parent, const char* name) {
    auto* widget = new W(&parent);
    widget->setObjectName(name);
    if (parent.layout())
        parent.layout()->addWidget(widget);
    return widget;
}
} // namespace

BoundForm::BoundForm() : harness(std::filesystem::temp_directory_path() / "quillan-bound-form") {
    harness.services.observers.push_back(this);
    form = std::make_unique<SampleForm>(harness.services);

    auto* layout = new QVBoxLayout(&m_window);
    auto* tabs = add<QTabWidget>(m_window, "tabs");
    auto* first = new QWidget;
    auto* second = new QWidget;
    new QVBoxLayout(first);
    new QVBoxLayout(second);
    tabs->addTab(first, "First");
    tabs->addTab(second, "Second");
    layout->addWidget(tabs);
    add<QCheckBox>(*first, "checkTick");
    auto* frame = add<QGroupBox>(*first, "frameChoice");
    new QVBoxLayout(frame);
    add<QRadioButton>(*frame, "optionA");
    add<QRadioButton>(*frame, "optionB");
    add<QRadioButton>(*first, "optionOutside");
    add<QLineEdit>(*first, "textName");
    add<QLineEdit>(*first, "textOther");
    add<QPlainTextEdit>(*first, "textLines");
    add<QListWidget>(*second, "listNames");
    add<QListWidget>(*second, "listTicks");

    for (Control* control : form->controls()) {
        auto binding =
            makeBinding(*control, m_window.findChild<QWidget*>(QString::fromStdString(control->name())));
        binding->refreshAll();
        m_bindings[control] = std::move(binding);
    }
    form->show();
    m_window.show();
}

BoundForm::~BoundForm() {
    for (QObject* child : m_window.findChildren<QObject*>())
        child->blockSignals(true);
    harness.services.observers.pop_back();
}

void BoundForm::controlChanged(Control& control, Property property) {
    auto it = m_bindings.find(&control);
    if (it == m_bindings.end())
        return;
    ControlBinding::Applying guard;
    it->second->follow(property);
}

} // namespace quillan
