#pragma once

namespace lumo {

// Keeps the process alive through the one X error SDL's cross-thread wake-ups can cause: a
// wake-up sent to a window that the window thread destroyed at the same moment. Every other
// error goes to the handler that was installed before. Call once, after SDL's video started on
// X11.
void TolerateStaleWakeups();

} // namespace lumo
