#include "DesignedForms.h"
#include "FormView.h"

#include "forms/FormCatalog.h"
#include "testsupport/Harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

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

TEST(Design, everyDesign_belongsToAWindowOfTheProgram) {
    Harness harness(std::filesystem::temp_directory_path() / "quillan-design-test");
    const std::vector<std::string> names = harness.forms->names();
    for (const std::string& design : designedFormNames())
        EXPECT_NE(std::find(names.begin(), names.end(), design), names.end()) << design << " is no window";
}

} // namespace
} // namespace quillan
