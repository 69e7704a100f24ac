#pragma once

#include "runtime/ProcessStarter.h"

#include <QTimer>

#include <chrono>
#include <sys/types.h>
#include <vector>

typedef struct _XDisplay Display;

namespace quillan {

// Gives a started program's first window its window state through the window manager's standard
// hints (EWMH), once the window appears: minimised or normal without taking the focus, maximised and
// in front. Without an X11 display it does nothing and programs start as they like.
class X11WindowPlacer {
  public:
    X11WindowPlacer();
    ~X11WindowPlacer();
    X11WindowPlacer(const X11WindowPlacer&) = delete;
    X11WindowPlacer& operator=(const X11WindowPlacer&) = delete;

    // Watches for the first window of process pid.
    void place(pid_t pid, WindowStyle style);

    // How long a program may take to show its first window.
    static constexpr std::chrono::seconds kPatience{20};
    // How long a window shown without the focus is kept from taking it.
    static constexpr std::chrono::milliseconds kFocusWatch{2000};

  private:
    struct Pending {
        pid_t pid;
        WindowStyle style;
        unsigned long focusBefore;
        std::chrono::steady_clock::time_point deadline;
        // Once placed: the window, watched a little longer so that a late focus is given back.
        unsigned long window = 0;
    };

    void look();
    unsigned long windowOf(pid_t pid);
    unsigned long activeWindow();
    void apply(const Pending& pending);
    void keepFocus(const Pending& pending);
    void sendMessage(unsigned long window, const char* type, long a, long b, long c);

    Display* m_display = nullptr;
    std::vector<Pending> m_pending;
    QTimer m_timer;
};

} // namespace quillan
