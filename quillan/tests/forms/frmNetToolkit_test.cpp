#include "forms/frmNetToolkit.h"
#include "testsupport/Harness.h"
#include "testsupport/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace quillan {

// A time answer that carries an error is a failure: it says so, keeps the last time shown and lets
// the user ask again.
TEST(NetToolkitTest, timeAnswerWithAnError_saysUnsuccessfulAndKeepsTheLastTime) {
    TemporaryFolder dir("quillan-net-toolkit");
    Harness h(dir.path());
    h.dialUp.entries.push_back({"Home", "5550100"});
    h.dialUp.online["Home"] = true;
    auto& toolkit = h.forms->get<frmNetToolkit>();
    toolkit.show();
    toolkit.SSTab1.setTab(kPageTime);

    toolkit.cmdTime.Click();
    h.time.complete("Tue, 08 Dec 2026 05:06:11 GMT");
    toolkit.cmdTime.Click();
    ASSERT_FALSE(toolkit.cmdTime.enabled());
    h.time.Done(10060);

    EXPECT_TRUE(toolkit.cmdTime.enabled());
    EXPECT_EQ(toolkit.labelTime.caption(), "Tue, 08 Dec 2026 05:06:11 GMT");
    EXPECT_EQ(toolkit.labelTimeWarn.caption(), "Time Unsucessful!");
}

} // namespace quillan
