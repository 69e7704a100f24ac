#include "DesignedForms.h"
#include "FormView.h"

#include "forms/FormCatalog.h"
#include "testsupport/Harness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace quillan {
namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += "\n  " + line;
    return text;
}

const FormCatalogEntry* catalogEntry(const std::string& name) {
    for (const FormCatalogEntry& entry : formCatalog())
        if (entry.name == name)
            return &entry;
    return nullptr;
}

TEST(Design, everyWindowOfTheProgram_hasADesignMatchingItsControls) {
    Harness harness(std::filesystem::temp_directory_path() / "quillan-design-test");
    const std::vector<std::string> names = harness.forms->names();
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names) {
        // Built as designed, without running its load handler.
        std::unique_ptr<Form> form = catalogEntry(name)->make(*harness.forms);
        std::unique_ptr<FormView> view;
        try {
            view = std::make_unique<FormView>(*form);
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what();
            continue;
        }
        EXPECT_EQ(joined(view->designProblems()), "") << "in the window " << name;
    }
}

// The accelerators a user can press at once: those of the widgets shown with the current tab pages.
std::map<QKeySequence, std::vector<std::string>> acceleratorsShown(QWidget& window) {
    std::map<QKeySequence, std::vector<std::string>> shown;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            text = button->text();
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty() && widget->isVisibleTo(&window))
            shown[key].push_back(widget->objectName().toStdString());
    }
    return shown;
}

TEST(Design, everyAccelerator_isUniqueAmongTheWidgetsShownAndALabelsOneReachesItsField) {
    Harness harness(std::filesystem::temp_directory_path() / "quillan-design-test");
    for (const std::string& name : harness.forms->names()) {
        std::unique_ptr<Form> form = catalogEntry(name)->make(*harness.forms);
        FormView view(*form);
        QWidget& window = view.window();
        window.show();
        QApplication::setActiveWindow(&window);
        const QList<QTabWidget*> tabs = window.findChildren<QTabWidget*>();
        const int pages = tabs.empty() ? 1 : tabs.front()->count();
        for (int page = 0; page < pages; ++page) {
            if (!tabs.empty())
                tabs.front()->setCurrentIndex(page);
            for (const auto& [key, widgets] : acceleratorsShown(window))
                EXPECT_EQ(widgets.size(), 1u) << name << " page " << page << ": " << key.toString().toStdString()
                                              << " is the accelerator of " << widgets.front() << " and "
                                              << widgets.back();
            for (QLabel* label : window.findChildren<QLabel*>()) {
                const QKeySequence key = QKeySequence::mnemonic(label->text());
                if (key.isEmpty() || !label->isVisibleTo(&window) || !label->buddy() ||
                    !label->buddy()->isEnabled())
                    continue;
                QTest::keyClick(&window, key[0].key(), key[0].keyboardModifiers());
                EXPECT_EQ(QApplication::focusWidget(), label->buddy())
                    << name << ": " << key.toString().toStdString() << " of " << label->objectName().toStdString();
            }
        }
        window.hide();
    }
}

TEST(Design, everyDesign_belongsToAWindowOfTheProgram) {
    Harness harness(std::filesystem::temp_directory_path() / "quillan-design-test");
    const std::vector<std::string> names = harness.forms->names();
    for (const std::string& design : designedFormNames())
        EXPECT_NE(std::find(names.begin(), names.end(), design), names.end()) << design << " is no window";
}

} // namespace
} // namespace quillan
