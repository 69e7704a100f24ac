#pragma once

// What every event loop promises its controls, run against each implementation. A Runner gives
// the loop under test and runs it until a condition holds or a limit passes.

#include "runtime/EventLoop.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <vector>

namespace quillan {

template <typename Runner> class EventLoopContract : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(::pipe(m_pipe), 0);
        ::fcntl(m_pipe[0], F_SETFL, O_NONBLOCK);
        ::fcntl(m_pipe[1], F_SETFL, O_NONBLOCK);
    }
    void TearDown() override {
        ::close(m_pipe[0]);
        ::close(m_pipe[1]);
    }
    // Fills the pipe until a write would block.
    void fillPipe() {
        char block[4096] = {};
        while (::write(m_pipe[1], block, sizeof block) > 0) {
        }
    }

    Runner m_runner;
    EventLoop& m_loop = m_runner.loop();
    int m_pipe[2] = {-1, -1};
};

TYPED_TEST_SUITE_P(EventLoopContract);

TYPED_TEST_P(EventLoopContract, aFullPipe_becomesWritableOnceTheReaderDrains) {
    this->fillPipe();
    bool writable = false;
    EventLoop::Id id = this->m_loop.watchWritable(this->m_pipe[1], [&] {
        writable = true;
        this->m_loop.unwatch(id);
    });
    EXPECT_FALSE(this->m_runner.runUntil([&] { return writable; }, 30)) << "a full pipe is not writable";
    char sink[65536];
    while (::read(this->m_pipe[0], sink, sizeof sink) > 0) {
    }
    EXPECT_TRUE(this->m_runner.runUntil([&] { return writable; }, 2000));
}

TYPED_TEST_P(EventLoopContract, aRepeatingTimer_firesUntilItCancelsItself) {
    int fired = 0;
    EventLoop::Id id = this->m_loop.repeating(5, [&] {
        if (++fired == 3)
            this->m_loop.cancel(id);
    });
    bool later = false;
    this->m_loop.singleShot(80, [&] { later = true; });
    ASSERT_TRUE(this->m_runner.runUntil([&] { return later; }, 2000));
    EXPECT_EQ(fired, 3);
}

TYPED_TEST_P(EventLoopContract, aCallback_removesOtherSourcesBeforeTheyRun) {
    std::vector<const char*> ran;
    EventLoop::Id reader = 0;
    EventLoop::Id shot = 0;
    EventLoop::Id ticker = 0;
    this->m_loop.singleShot(0, [&] {
        ran.push_back("first");
        this->m_loop.unwatch(reader);
        this->m_loop.cancel(shot);
        this->m_loop.cancel(ticker);
    });
    reader = this->m_loop.watchReadable(this->m_pipe[0], [&] { ran.push_back("reader"); });
    shot = this->m_loop.singleShot(20, [&] { ran.push_back("shot"); });
    ticker = this->m_loop.repeating(20, [&] { ran.push_back("ticker"); });
    bool later = false;
    this->m_loop.singleShot(60, [&] {
        ASSERT_EQ(::write(this->m_pipe[1], "x", 1), 1);
        this->m_loop.singleShot(30, [&] { later = true; });
    });
    ASSERT_TRUE(this->m_runner.runUntil([&] { return later; }, 2000));
    EXPECT_EQ(ran, (std::vector<const char*>{"first"}));
}

REGISTER_TYPED_TEST_SUITE_P(EventLoopContract, aFullPipe_becomesWritableOnceTheReaderDrains,
                            aRepeatingTimer_firesUntilItCancelsItself,
                            aCallback_removesOtherSourcesBeforeTheyRun);

} // namespace quillan
