#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace quillan {

// The font configuration and the list of fonts made from it are read once per process, the first time any
// text is measured: half of the time to the first window. Started before the application, they load on a
// thread of its own while the program connects to the display, reads its settings and builds its models.
// Whoever is about to measure text first calls awaitRunning(). The font list takes its own lock, so a text
// measured without waiting is only measured later; the configuration read twice at once is read twice, and
// one copy dropped.
class FontConfigWarmUp {
  public:
    // Reads the configuration.
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // The application exists: the font list can be made next.
    void applicationMade();

    // Waits for the loading under way, if any; called on the user-interface thread.
    static void awaitRunning();

  private:
    enum class Next { Wait, FontList, Stop };

    void load();
    void await();

    std::mutex m_mutex;
    std::condition_variable m_told;
    Next m_next = Next::Wait;
    std::thread m_loading;
};

} // namespace quillan
