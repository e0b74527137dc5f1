// Linked into every program that draws text when built with the race detector.
// pango loads fontconfig on a helper thread and both synchronise through GLib primitives the
// race detector cannot see; the reports are inside those libraries.

extern "C" const char* __tsan_default_suppressions()
{
    return "race:libfontconfig.so\nrace:libpangoft2-1.0.so\nrace:libglib-2.0.so\nrace:libpango-1.0.so\n";
}
