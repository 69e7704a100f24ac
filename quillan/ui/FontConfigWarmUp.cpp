#include "FontConfigWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace quillan {

namespace {
FontConfigWarmUp* g_running = nullptr;
} // namespace

FontConfigWarmUp::FontConfigWarmUp() : m_loading([this] { load(); }) {
    g_running = this;
}

FontConfigWarmUp::~FontConfigWarmUp() {
    await();
}

void FontConfigWarmUp::load() {
    FcInit();
    std::unique_lock lock(m_mutex);
    m_told.wait(lock, [this] { return m_next != Next::Wait; });
    if (m_next == Next::FontList) {
        lock.unlock();
        QFontDatabase::families();
    }
}

void FontConfigWarmUp::applicationMade() {
    const std::lock_guard lock(m_mutex);
    if (m_next == Next::Wait)
        m_next = Next::FontList;
    m_told.notify_one();
}

void FontConfigWarmUp::awaitRunning() {
    if (g_running)
        g_running->await();
}

void FontConfigWarmUp::await() {
    {
        const std::lock_guard lock(m_mutex);
        if (m_next == Next::Wait)
            m_next = Next::Stop;
        m_told.notify_one();
    }
    if (m_loading.joinable())
        m_loading.join();
    if (g_running == this)
        g_running = nullptr;
}

} // namespace quillan
