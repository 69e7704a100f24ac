#include "runtime/PollEventLoop.h"
#include "tests/EventLoopContract.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <vector>

using namespace quillan;

TEST(PollEventLoop, shotsRunInTheOrderTheyAreDue) {
    PollEventLoop loop;
    std::vector<int> order;
    loop.singleShot(30, [&] { order.push_back(3); });
    loop.singleShot(0, [&] { order.push_back(1); });
    loop.singleShot(10, [&] { order.push_back(2); });
    loop.run();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(PollEventLoop, aCancelledShotNeverRuns) {
    PollEventLoop loop;
    bool ran = false;
    EventLoop::Id id = loop.singleShot(0, [&] { ran = true; });
    loop.singleShot(0, [&] { loop.cancel(id); }); // a later shot cannot cancel one already run
    loop.cancel(id);
    loop.run();
    EXPECT_FALSE(ran);
}

TEST(PollEventLoop, aShotDoesNotRunEarly) {
    PollEventLoop loop;
    auto start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point ranAt;
    loop.singleShot(40, [&] { ranAt = std::chrono::steady_clock::now(); });
    loop.run();
    EXPECT_GE(ranAt - start, std::chrono::milliseconds(40));
}

TEST(PollEventLoop, aReadableDescriptorCallsBackUntilUnwatchedEvenFromItsOwnCallback) {
    PollEventLoop loop;
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ASSERT_EQ(::write(fds[1], "ab", 2), 2);
    int calls = 0;
    EventLoop::Id id = 0;
    id = loop.watchReadable(fds[0], [&] {
        char c;
        ASSERT_EQ(::read(fds[0], &c, 1), 1);
        if (++calls == 2)
            loop.unwatch(id);
    });
    loop.run();
    EXPECT_EQ(calls, 2);
    ::close(fds[0]);
    ::close(fds[1]);
}

TEST(PollEventLoop, runUntilGivesUpAtItsLimit) {
    PollEventLoop loop;
    bool done = false;
    loop.singleShot(60, [&] { done = true; });
    EXPECT_FALSE(loop.runUntil([&] { return done; }, 20));
    EXPECT_TRUE(loop.runUntil([&] { return done; }, 5000));
}

namespace {
struct PollRunner {
    PollEventLoop m_loop;
    EventLoop& loop() { return m_loop; }
    bool runUntil(const std::function<bool()>& done, int maxMs) { return m_loop.runUntil(done, maxMs); }
};
} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Poll, EventLoopContract, PollRunner);
