#pragma once

#include "ControlBinding.h"

#include "runtime/Form.h"
#include "runtime/FormObserver.h"

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quillan {

class MenuItem;

// The window of one form model, built from the form's design: every control is bound to the widget of
// its name, menus are built from the form's menu items, and the window shows, hides and closes as the
// model says. The window's close box and minimise button go to the model.
class FormView : public QObject {
    Q_OBJECT
  public:
    // Throws std::runtime_error when the form has no design. `designHeight` is the model's height that the
    // design stands for; a model changed since then (a window built on first show) is followed at once.
    explicit FormView(Form& form);
    FormView(Form& form, int designHeight);
    ~FormView() override;

    Form& form() const { return m_form; }
    QWidget& window() const { return *m_window; }
    QMenu* menu(const std::string& name) const;

    void formChanged(FormProperty property);
    void controlChanged(Control& control, Property property);

    // Where the design and the model disagree: a control without a widget of its kind, a named widget without
    // a control, a widget outside its control's frame or tab page, a tab widget with another page count, a
    // text of the design other than the model's.
    std::vector<std::string> designProblems() const;

    // Told when the window has been painted after being shown.
    std::function<void(QWidget&)> exposed;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    void bindControls();
    void applyStandardIcons();
    void showWindow();
    void applyWindowState();
    void applyHeight();
    void applyDefaultButton();
    void popup(const MenuItem* menu);
    void pressEnter();
    QWidget* widgetOf(const Control& control) const;

    Form& m_form;
    QPointer<QWidget> m_window;
    std::map<const Control*, std::unique_ptr<QMenu>> m_menus;
    std::map<const Control*, std::unique_ptr<ControlBinding>> m_bindings;
    std::vector<std::string> m_unbound;
    std::vector<std::string> m_textProblems;
    int m_modelHeight;
    int m_wantedHeight = 0;
    int m_appliedHeight = 0;
    bool m_heightPending = false;
    bool m_awaitingPaint = false;
};

} // namespace quillan
