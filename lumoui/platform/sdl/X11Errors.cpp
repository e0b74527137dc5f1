#include "platform/sdl/X11Errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <mutex>

namespace lumo {

namespace {

// Xlib's error handler takes no user data, so the handler it replaced has to live here; it is
// written once, before any error can arrive.
XErrorHandler g_previousHandler = nullptr;

int OnXError(Display* display, XErrorEvent* error)
{
    // A window thread's loop is woken from other threads by an event SDL sends to one of its
    // windows over a second X connection. When that window is destroyed at the same moment on
    // the window thread, the server answers BadWindow; the loop is awake anyway, so the lost
    // wake-up does no harm.
    if (error->error_code == BadWindow && error->request_code == X_SendEvent)
        return 0;
    return g_previousHandler ? g_previousHandler(display, error) : 0;
}

} // namespace

void TolerateStaleWakeups()
{
    static std::once_flag installed;
    std::call_once(installed, [] { g_previousHandler = XSetErrorHandler(&OnXError); });
}

} // namespace lumo
