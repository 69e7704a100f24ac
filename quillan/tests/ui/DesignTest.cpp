#include "Accelerators.h"
#include "DesignedForms.h"
#include "FormView.h"

#include "forms/FormCatalog.h"
#include "testsupport/Harness.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

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
                EXPECT_EQ(widgets.size(), 1u)
                    << name << " page " << page << ": " << key.toString().toStdString()
                    << " is the accelerator of " << widgets.front() << " and " << widgets.back();
            for (QLabel* label : window.findChildren<QLabel*>()) {
                const QKeySequence key = QKeySequence::mnemonic(label->text());
                if (key.isEmpty() || !label->isVisibleTo(&window) || !label->buddy() ||
                    !label->buddy()->isEnabled())
                    continue;
                QTest::keyClick(&window, key[0].key(), key[0].keyboardModifiers());
                EXPECT_EQ(QApplication::focusWidget(), label->buddy())
                    << name << ": " << key.toString().toStdString() << " of "
                    << label->objectName().toStdString();
            }
        }
        window.hide();
    }
}

// The widgets a design names in its <tabstops>.
std::set<QString> pinnedTabStops(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::set<QString> stops;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("tabstop"))
            stops.insert(xml.readElementText());
    return stops;
}

// Qt's own parts of a composite widget (a tab bar, a combo box's list) take part in the focus chain of their
// owner, not of the design.
bool ownPartOfComposite(const QWidget& widget) {
    for (const QWidget* parent = widget.parentWidget(); parent; parent = parent->parentWidget())
        if (qobject_cast<const QTabBar*>(parent) || qobject_cast<const QComboBox*>(parent) ||
            qobject_cast<const QAbstractScrollArea*>(parent))
            return true;
    return qobject_cast<const QTabBar*>(&widget) != nullptr;
}

TEST(Design, everyDesign_pinsTheTabOrderOfEveryWidgetTabReaches) {
    const QStringList designs = QDir(QUILLAN_DESIGN_FOLDER).entryList({"*.ui"}, QDir::Files);
    ASSERT_FALSE(designs.empty()) << QUILLAN_DESIGN_FOLDER;
    for (const QString& design : designs) {
        const std::string name = QFileInfo(design).completeBaseName().toStdString();
        QWidget window;
        ASSERT_TRUE(buildDesignedForm(name, window))
            << design.toStdString() << " is not built into the program";
        const std::set<QString> pinned = pinnedTabStops(QDir(QUILLAN_DESIGN_FOLDER).filePath(design));
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (!(widget->focusPolicy() & Qt::TabFocus) || widget->objectName().startsWith("qt_") ||
                ownPartOfComposite(*widget))
                continue;
            EXPECT_TRUE(pinned.count(widget->objectName()))
                << name << ": " << widget->objectName().toStdString()
                << " is reached by Tab but not in <tabstops>";
        }
    }
}

// The style's icons are made before a window's widgets from the list its design was built with.
TEST(Design, everyDesign_listsTheStyleIconsItsWidgetsShow) {
    for (const std::string& name : designedFormNames()) {
        QWidget window;
        ASSERT_TRUE(buildDesignedForm(name, window));
        std::multiset<std::string> shown;
        for (QWidget* widget : window.findChildren<QWidget*>())
            if (const QString icon = widget->property("standardIcon").toString(); icon.startsWith("SP_"))
                shown.insert(icon.toStdString());
        const std::vector<std::string> listed = designedFormIcons(name);
        EXPECT_EQ(std::multiset<std::string>(listed.begin(), listed.end()), shown) << name;
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
