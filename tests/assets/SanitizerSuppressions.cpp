// The font caches of fontconfig, pango and cairo live for the whole process by design, and
// fontconfig initialises on a helper thread through GLib locks the race detector cannot see.
// Tearing the caches down at exit is not safe while any font object is alive (cairo asserts),
// so sanitizer builds are told about them instead.

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libpango-1.0.so\nleak:libpangoft2-1.0.so\nleak:libcairo.so\n";
}

extern "C" const char* __tsan_default_suppressions()
{
    return "race:libfontconfig.so\nrace:libpangoft2-1.0.so\nrace:libglib-2.0.so\nrace:libpango-1.0.so\n";
}
