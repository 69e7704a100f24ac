#include "X11WindowPlacer.h"

#include "XResLibrary.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <stdexcept>

namespace quillan {

namespace {

// A window property of 32-bit items (as unsigned longs, as Xlib hands them out).
std::vector<unsigned long> cardinals(Display* display, Window window, const char* name, Atom type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    const Atom property = XInternAtom(display, name, False);
    if (XGetWindowProperty(display, window, property, 0, 4096, False, type, &actualType, &format, &count,
                           &after, &data) == Success &&
        data && format == 32) {
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        values.assign(items, items + count);
    }
    if (data)
        XFree(data);
    return values;
}

// While one lives, X errors are ignored: a listed window may be gone by the time it is looked at, and
// Xlib's default handler would end the program for it (Qt's own handler is there only on its X11
// platform, not on Wayland with DISPLAY set). The requests are completed before the old handler returns.
class IgnoredXErrors {
  public:
    explicit IgnoredXErrors(Display* display) : m_display(display), m_previous(XSetErrorHandler(ignore)) {}
    ~IgnoredXErrors() {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
    }
    IgnoredXErrors(const IgnoredXErrors&) = delete;
    IgnoredXErrors& operator=(const IgnoredXErrors&) = delete;

  private:
    static int ignore(Display*, XErrorEvent*) { return 0; }
    Display* m_display;
    XErrorHandler m_previous;
};

// The process of the client that made window, as the X server knows it; 0 when it cannot tell (a
// client from another machine, or a server without the extension).
pid_t clientPid(Display* display, Window window) {
    const XResLibrary* xres = nullptr;
    try {
        xres = &XResLibrary::get();
    } catch (const std::runtime_error&) {
        return 0;
    }
    XResClientIdSpec spec{window, XRES_CLIENT_ID_PID_MASK};
    long count = 0;
    XResClientIdValue* ids = nullptr;
    pid_t pid = 0;
    if (xres->queryClientIds(display, 1, &spec, &count, &ids) == Success) {
        for (long i = 0; i < count && pid <= 0; ++i)
            pid = xres->getClientPid(&ids[i]);
        xres->clientIdsDestroy(count, ids);
    }
    return pid > 0 ? pid : 0;
}

} // namespace

X11WindowPlacer::X11WindowPlacer() {
    const char* display = std::getenv("DISPLAY");
    if (display && *display)
        m_display = XOpenDisplay(display);
    m_timer.setInterval(100);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { look(); });
}

X11WindowPlacer::~X11WindowPlacer() {
    if (m_display)
        XCloseDisplay(m_display);
}

void X11WindowPlacer::place(pid_t pid, WindowStyle style) {
    if (!m_display)
        return;
    const IgnoredXErrors ignored(m_display);
    m_pending.push_back({pid, style, activeWindow(), std::chrono::steady_clock::now() + kPatience});
    m_timer.start();
}

unsigned long X11WindowPlacer::activeWindow() {
    const auto active = cardinals(m_display, DefaultRootWindow(m_display), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    return active.empty() ? 0 : active.front();
}

unsigned long X11WindowPlacer::windowOf(pid_t pid) {
    for (unsigned long window :
         cardinals(m_display, DefaultRootWindow(m_display), "_NET_CLIENT_LIST", XA_WINDOW)) {
        // A window says whose it is; one that does not (many older programs) is asked of the X server.
        const auto owner = cardinals(m_display, window, "_NET_WM_PID", XA_CARDINAL);
        const pid_t ownerPid =
            owner.empty() ? clientPid(m_display, window) : static_cast<pid_t>(owner.front());
        if (ownerPid == pid)
            return window;
    }
    return 0;
}

void X11WindowPlacer::look() {
    const IgnoredXErrors ignored(m_display);
    const auto now = std::chrono::steady_clock::now();
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (it->window) {
            keepFocus(*it);
        } else if (const unsigned long window = windowOf(it->pid)) {
            it->window = window;
            apply(*it);
            const bool withoutFocus = it->style == WindowStyle::Minimized || it->style == WindowStyle::Normal;
            it->deadline = withoutFocus ? now + kFocusWatch : now;
        }
        if (now >= it->deadline)
            it = m_pending.erase(it);
        else
            ++it;
    }
    if (m_pending.empty())
        m_timer.stop();
}

void X11WindowPlacer::keepFocus(const Pending& pending) {
    // The focus stays where it was before the program started.
    if (pending.focusBefore && pending.focusBefore != pending.window && activeWindow() == pending.window)
        sendMessage(pending.focusBefore, "_NET_ACTIVE_WINDOW", 2, CurrentTime, 0);
}

void X11WindowPlacer::sendMessage(unsigned long window, const char* type, long a, long b, long c) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, type, False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = a;
    event.xclient.data.l[1] = b;
    event.xclient.data.l[2] = c;
    // Source 2: a request on the user's behalf, which window managers grant without focus-stealing rules.
    event.xclient.data.l[3] = 2;
    XSendEvent(m_display, DefaultRootWindow(m_display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

void X11WindowPlacer::apply(const Pending& pending) {
    const unsigned long window = pending.window;
    const long add = 1;
    switch (pending.style) {
    case WindowStyle::Minimized:
        XIconifyWindow(m_display, window, DefaultScreen(m_display));
        break;
    case WindowStyle::Normal:
    case WindowStyle::Hidden:
        break;
    case WindowStyle::Maximized:
        sendMessage(window, "_NET_WM_STATE", add,
                    static_cast<long>(XInternAtom(m_display, "_NET_WM_STATE_MAXIMIZED_VERT", False)),
                    static_cast<long>(XInternAtom(m_display, "_NET_WM_STATE_MAXIMIZED_HORZ", False)));
        sendMessage(window, "_NET_ACTIVE_WINDOW", 2, CurrentTime, 0);
        return;
    }
    keepFocus(pending);
}

} // namespace quillan
