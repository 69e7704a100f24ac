// quillan-test-window [--anonymous]: one small top-level window that says whose it is (_NET_WM_PID), or
// with --anonymous does not, as many older programs do not; shown until the process is ended. A program
// for the window state tests to start.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char** argv) {
    const bool anonymous = argc > 1 && std::strcmp(argv[1], "--anonymous") == 0;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "quillan-test-window: no display\n");
        return 1;
    }
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 10, 10, 200, 150, 0, 0,
                                              WhitePixel(display, DefaultScreen(display)));
    const unsigned long pid = static_cast<unsigned long>(getpid());
    if (!anonymous)
        XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    XStoreName(display, window, anonymous ? "quillan-anonymous-window" : "quillan-test-window");
    XMapWindow(display, window);
    XFlush(display);
    for (XEvent event;;)
        XNextEvent(display, &event);
}
