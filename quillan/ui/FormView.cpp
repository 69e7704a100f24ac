#include "FormView.h"

#include "DesignTexts.h"
#include "EnvelopePicture.h"
#include "FontConfigWarmUp.h"

#include "DesignedForms.h"
#include "MenuBinding.h"
#include "QtText.h"

#include "runtime/CommandButton.h"
#include "runtime/MenuItem.h"
#include "runtime/TabControl.h"
#include "runtime/Timer.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMetaEnum>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <stdexcept>

namespace quillan {

namespace {
bool decoration(const QString& name) {
    return name.isEmpty() || name.startsWith(QLatin1String("deco")) || name.startsWith(QLatin1String("qt_"));
}

// Parts of a composite widget (a tab bar's scroll buttons) are Qt's own, not the design's.
bool partOfCompositeWidget(const QWidget& widget) {
    for (const QWidget* parent = widget.parentWidget(); parent; parent = parent->parentWidget())
        if (qobject_cast<const QTabBar*>(parent) || qobject_cast<const QComboBox*>(parent) ||
            qobject_cast<const QAbstractScrollArea*>(parent))
            return true;
    return false;
}

std::map<QStyle::StandardPixmap, QIcon>& madeIcons() {
    static std::map<QStyle::StandardPixmap, QIcon> icons;
    return icons;
}

void forgetIcons() {
    madeIcons().clear();
}

// The style's standard icon of that enumerator name (a null icon for another name), made once and shared
// by every window; they go with the application.
QIcon standardIcon(const QByteArray& name) {
    bool known = false;
    const int value = QMetaEnum::fromType<QStyle::StandardPixmap>().keyToValue(name.constData(), &known);
    if (!known)
        return {};
    const auto pixmap = static_cast<QStyle::StandardPixmap>(value);
    auto& made = madeIcons();
    if (made.empty())
        qAddPostRoutine(forgetIcons);
    auto it = made.find(pixmap);
    if (it == made.end())
        it = made.emplace(pixmap, QApplication::style()->standardIcon(pixmap)).first;
    return it->second;
}
} // namespace

FormView::FormView(Form& form) : FormView(form, form.height()) {}

FormView::FormView(Form& form, int designHeight)
    : m_form(form), m_window(new QWidget), m_modelHeight(designHeight) {
    // Decoding the icons needs no fonts, so it goes on while the font configuration may still be loading;
    // the design measures its texts as its widgets are made.
    for (const std::string& name : designedFormIcons(form.name()))
        standardIcon(QByteArray::fromStdString(name));
    FontConfigWarmUp::awaitRunning();
    if (!buildDesignedForm(form.name(), *m_window)) {
        delete m_window;
        throw std::runtime_error("no design for the window " + form.name());
    }
    // Read before the model's texts replace the design's.
    m_textProblems = designTextProblems(*m_window, form);
    m_window->setWindowIcon(QApplication::windowIcon());
    m_window->setWindowTitle(toQt(form.caption()));
    m_window->installEventFilter(this);
    applyStandardIcons();
    buildMenus();
    bindControls();
    applyDefaultButton();
    if (m_form.height() != m_modelHeight)
        applyHeight();
}

FormView::~FormView() {
    // Nothing the widgets signal while dying may reach a binding.
    if (m_window)
        for (QObject* child : m_window->findChildren<QObject*>())
            child->blockSignals(true);
    delete m_window;
    m_menus.clear();
    m_bindings.clear();
}

QMenu* FormView::menu(const std::string& name) const {
    for (const auto& [control, menu] : m_menus)
        if (control->name() == name)
            return menu.get();
    return nullptr;
}

void FormView::buildMenus() {
    for (Control* control : m_form.controls()) {
        auto* item = dynamic_cast<MenuItem*>(control);
        if (item && !item->container())
            m_menus[item] = std::make_unique<QMenu>(toQt(item->caption()));
    }
    for (Control* control : m_form.controls()) {
        auto* item = dynamic_cast<MenuItem*>(control);
        if (!item || !item->container() || !m_menus.count(item->container()))
            continue;
        auto binding = std::make_unique<MenuBinding>(*item, *m_menus[item->container()]);
        binding->refreshAll();
        m_bindings[item] = std::move(binding);
    }
}

void FormView::bindControls() {
    for (Control* control : m_form.controls()) {
        // Timers run on the form's own clocks, window or not.
        if (dynamic_cast<MenuItem*>(control) || dynamic_cast<Timer*>(control))
            continue;
        QWidget* widget = m_window->findChild<QWidget*>(toQt(control->name()));
        auto binding = makeBinding(*control, widget);
        if (!binding) {
            m_unbound.push_back(control->name() + " (" + control->kind() + ")");
            continue;
        }
        binding->refreshAll();
        m_bindings[control] = std::move(binding);
    }
}

void FormView::applyStandardIcons() {
    // A design names its icons: one of the style's standard pixmaps, the program's own icon, or one
    // of the pictures the program draws.
    for (QWidget* widget : m_window->findChildren<QWidget*>()) {
        const QByteArray name = widget->property("standardIcon").toByteArray();
        if (name.isEmpty())
            continue;
        if (name == "Envelope") {
            if (auto* label = qobject_cast<QLabel*>(widget))
                label->setPixmap(envelopePicture(48));
            continue;
        }
        const QIcon icon = name == "ProgramIcon" ? QApplication::windowIcon() : standardIcon(name);
        if (icon.isNull())
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setIcon(icon);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            label->setPixmap(icon.pixmap(name == "ProgramIcon" ? 48 : 32));
    }
}

QWidget* FormView::widgetOf(const Control& control) const {
    auto it = m_bindings.find(&control);
    return it == m_bindings.end() ? nullptr : it->second->widget();
}

std::vector<std::string> FormView::designProblems() const {
    std::vector<std::string> problems = m_textProblems;
    for (const std::string& name : m_unbound)
        problems.push_back("control " + name + " has no widget of its kind");
    for (QWidget* widget : m_window->findChildren<QWidget*>()) {
        const std::string name = fromQt(widget->objectName());
        if (!decoration(widget->objectName()) && !partOfCompositeWidget(*widget) && !m_form.control(name))
            problems.push_back("widget " + name + " belongs to no control");
    }
    for (const auto& [control, binding] : m_bindings) {
        QWidget* widget = binding->widget();
        QWidget* container = control->container() ? widgetOf(*control->container()) : nullptr;
        if (!widget || !container)
            continue;
        auto* tabs = qobject_cast<QTabWidget*>(container);
        if (tabs && control->page() >= 0)
            container = tabs->widget(control->page());
        if (!container || !container->isAncestorOf(widget))
            problems.push_back("widget " + control->name() + " lies outside " + control->container()->name() +
                               (control->page() >= 0 ? " page " + std::to_string(control->page()) : ""));
    }
    for (const auto& [control, binding] : m_bindings) {
        auto* model = dynamic_cast<const TabControl*>(control);
        auto* tabs = qobject_cast<QTabWidget*>(binding->widget());
        if (model && tabs && tabs->count() != model->pageCount())
            problems.push_back("tab widget " + control->name() + " has " + std::to_string(tabs->count()) +
                               " pages, its control " + std::to_string(model->pageCount()));
    }
    return problems;
}

void FormView::controlChanged(Control& control, Property property) {
    auto it = m_bindings.find(&control);
    if (it == m_bindings.end())
        return;
    ControlBinding::Applying guard;
    it->second->follow(property);
}

void FormView::formChanged(FormProperty property) {
    ControlBinding::Applying guard;
    switch (property) {
    case FormProperty::Visible:
        if (m_form.visible())
            showWindow();
        else
            m_window->hide();
        break;
    case FormProperty::Loaded:
        if (!m_form.loaded())
            m_window->hide();
        break;
    case FormProperty::Caption:
        m_window->setWindowTitle(toQt(m_form.caption()));
        break;
    case FormProperty::WindowState:
        applyWindowState();
        break;
    case FormProperty::Height:
        applyHeight();
        break;
    case FormProperty::DefaultButton:
        applyDefaultButton();
        break;
    case FormProperty::Foreground:
        m_window->raise();
        m_window->activateWindow();
        break;
    case FormProperty::PopupMenu:
        popup(m_form.popupMenu());
        break;
    case FormProperty::MousePointer:
        if (m_form.mousePointer() == kPointerHourglass)
            m_window->setCursor(Qt::WaitCursor);
        else
            m_window->unsetCursor();
        break;
    }
}

void FormView::showWindow() {
    if (m_window->isVisible())
        return;
    m_window->setWindowModality(m_form.modal() ? Qt::ApplicationModal : Qt::NonModal);
    m_awaitingPaint = true;
    applyWindowState();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void FormView::applyWindowState() {
    Qt::WindowStates state = Qt::WindowNoState;
    if (m_form.windowState() == WindowState::Minimized)
        state = Qt::WindowMinimized;
    else if (m_form.windowState() == WindowState::Maximized)
        state = Qt::WindowMaximized;
    if (m_window->windowState() != state)
        m_window->setWindowState(state);
}

void FormView::applyHeight() {
    // Only changes of height are the model's: the design gives the first size. A height the window could not
    // take (its content needs more) is remembered, so that growing back returns to the same size.
    const int change = m_form.height() - m_modelHeight;
    m_modelHeight = m_form.height();
    const bool followsLastChange =
        m_heightPending || (m_appliedHeight && m_window->height() == m_appliedHeight);
    m_wantedHeight = (followsLastChange ? m_wantedHeight : m_window->height()) + change;
    if (m_heightPending)
        return;
    // The handler that changes the height usually shows or hides controls right after: the window follows
    // once the handler is over.
    m_heightPending = true;
    QTimer::singleShot(0, m_window, [this] {
        m_heightPending = false;
        if (QLayout* layout = m_window->layout())
            layout->activate();
        m_window->resize(m_window->width(), std::max(m_window->minimumSizeHint().height(), m_wantedHeight));
        m_appliedHeight = m_window->height();
    });
}

void FormView::applyDefaultButton() {
    const CommandButton* chosen = m_form.defaultButton();
    for (QPushButton* button : m_window->findChildren<QPushButton*>()) {
        const bool isDefault = chosen && button == widgetOf(*chosen);
        button->setAutoDefault(false);
        button->setDefault(isDefault);
    }
}

void FormView::popup(const MenuItem* menu) {
    auto it = m_menus.find(menu);
    if (it != m_menus.end())
        it->second->popup(QCursor::pos());
}

void FormView::pressEnter() {
    // Enter presses the focused button, or else the window's default button.
    auto* focused = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    if (focused && m_window->isAncestorOf(focused)) {
        focused->click();
        return;
    }
    if (const CommandButton* chosen = m_form.defaultButton()) {
        auto* button = qobject_cast<QAbstractButton*>(widgetOf(*chosen));
        if (button && button->isEnabled() && button->isVisible())
            button->click();
    }
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Close:
        // The model decides what closing means; its unload hides the window.
        event->ignore();
        if (!ControlBinding::applying() && m_form.loaded())
            m_form.userClose();
        return true;
    case QEvent::WindowStateChange: {
        if (ControlBinding::applying() || !m_form.loaded())
            break;
        const Qt::WindowStates state = m_window->windowState();
        WindowState chosen = WindowState::Normal;
        if (state & Qt::WindowMinimized)
            chosen = WindowState::Minimized;
        else if (state & Qt::WindowMaximized)
            chosen = WindowState::Maximized;
        m_form.setWindowState(chosen);
        break;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !ControlBinding::applying()) {
            pressEnter();
            return true;
        }
        break;
    }
    case QEvent::Paint:
        if (m_awaitingPaint) {
            m_awaitingPaint = false;
            if (exposed)
                exposed(*m_window);
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace quillan
