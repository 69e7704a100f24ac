#include "runtime/FormSlot.h"
#include "runtime/TextBox.h"

#include "testsupport/Harness.h"

#include <gtest/gtest.h>

namespace quillan {
namespace {

struct CountingForm : Form {
    CountingForm(Services& services, int& loads)
        : Form(services, "CountingForm", "Counting"), m_loads(loads) {}
    TextBox box{*this, "box"};

  protected:
    void Form_Load() override { ++m_loads; }

  private:
    int& m_loads;
};

class FormTest : public ::testing::Test {
  protected:
    Harness harness{std::filesystem::temp_directory_path()};
    int loads = 0;
    FormSlot slot{"CountingForm", [this] { return std::make_unique<CountingForm>(harness.services, loads); }};
};

TEST_F(FormTest, load_runsTheLoadHandlerOnce) {
    Form& form = slot.get();
    form.show();
    form.hide();
    form.show();
    slot.get();
    EXPECT_EQ(loads, 1);
}

TEST_F(FormTest, useAfterUnload_givesAFreshInstanceWithDesignedValues) {
    auto& first = static_cast<CountingForm&>(slot.get());
    first.box.setText("typed");
    first.unload();
    EXPECT_EQ(slot.peek(), nullptr) << "peeking must not load the form again";
    auto& second = static_cast<CountingForm&>(slot.get());
    EXPECT_EQ(second.box.text(), "");
    EXPECT_EQ(loads, 2);
}

TEST_F(FormTest, unload_isReportedOnceWithoutASeparateHide) {
    Form& form = slot.get();
    form.show();
    harness.effects.take();
    form.unload();
    EXPECT_EQ(harness.effects.take(), std::vector<std::string>{"unload CountingForm"});
}

TEST_F(FormTest, modalShow_returnsOnlyAfterTheFormIsHidden) {
    bool visibleInside = false;
    harness.modal.body = [&](Form& form) {
        visibleInside = form.visible() && form.modal();
        form.hide();
    };
    Form& form = slot.get();
    form.showModal();
    EXPECT_TRUE(visibleInside);
    EXPECT_FALSE(form.visible());
    EXPECT_FALSE(form.modal());
}

} // namespace
} // namespace quillan
