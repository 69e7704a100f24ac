#include "DesignTexts.h"

#include "QtText.h"

#include "runtime/TabControl.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include <map>

namespace quillan {

namespace {
void compare(std::vector<std::string>& problems, const std::string& what, const QString& design,
             const std::string& model) {
    if (!design.isEmpty() && fromQt(design) != model)
        problems.push_back(what + " reads \"" + fromQt(design) + "\" in the design, \"" + model +
                           "\" in the model");
}
} // namespace

std::vector<std::string> designTextProblems(const QWidget& window, const Form& form) {
    std::vector<std::string> problems;
    compare(problems, "the window title", window.windowTitle(), form.caption());
    // Labels of a row of alike fields read alike and so cannot each have a letter of their own.
    std::map<std::string, int> labelCaptions;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (const Control* control = form.control(fromQt(label->objectName())))
            ++labelCaptions[control->caption()];
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const Control* control = form.control(fromQt(widget->objectName()));
        if (!control)
            continue;
        const std::string name = control->name();
        if (auto* label = qobject_cast<const QLabel*>(widget)) {
            compare(problems, name + "'s caption", label->text(), control->caption());
            // An accelerator of a label reaches the field it names only through its buddy, and a label that
            // names a field gives it an accelerator.
            const bool accelerator = QString(toQt(control->caption())).remove("&&").contains('&');
            if (accelerator && !label->buddy())
                problems.push_back(name + "'s accelerator reaches no field: the label has no buddy");
            if (!accelerator && label->buddy() && labelCaptions[control->caption()] == 1)
                problems.push_back(name + " names the field " + fromQt(label->buddy()->objectName()) +
                                   " but has no accelerator to reach it");
        } else if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            compare(problems, name + "'s caption", button->text(), control->caption());
        else if (auto* group = qobject_cast<const QGroupBox*>(widget))
            compare(problems, name + "'s caption", group->title(), control->caption());
        auto* tabs = qobject_cast<const QTabWidget*>(widget);
        auto* model = dynamic_cast<const TabControl*>(control);
        if (tabs && model)
            for (int page = 0; page < tabs->count() && page < model->pageCount(); ++page)
                compare(problems, name + " page " + std::to_string(page) + "'s title", tabs->tabText(page),
                        model->pageCaption(page));
        compare(problems, name + "'s tool tip", widget->toolTip(), control->toolTip());
    }
    return problems;
}

} // namespace quillan
