// The font caches of fontconfig, pango and cairo live for the whole process by design.
// Tearing the caches down at exit is not safe while any font object is alive (cairo asserts),
// so sanitizer builds are told about them instead.

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libpango-1.0.so\nleak:libpangoft2-1.0.so\nleak:libcairo.so\n";
}
