// Releases the font caches of pango, cairo and fontconfig when the tests end. They live for
// the whole process by design; freeing them keeps the leak checker of sanitizer builds
// quiet about memory that is not a leak, so it can still catch the ones that are.

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>
#include <pango/pangocairo.h>

namespace {

class FontCacheRelease : public ::testing::Environment {
public:
    void TearDown() override
    {
        pango_cairo_font_map_set_default(nullptr);
        cairo_debug_reset_static_data();
        FcFini();
    }
};

const auto* const kRelease = ::testing::AddGlobalTestEnvironment(new FontCacheRelease);

} // namespace
