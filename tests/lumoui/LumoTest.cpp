#include "LumoTest.h"

#include <cairo.h>

#include <filesystem>

namespace lumotest {

void LumoTest::SetUp()
{
    ASSERT_TRUE(lumo::headless::Enable());
    lumo::headless::UseManualClock(true);
    lumo::Manager::SetAppFolder(m_dir.Path().string());
    std::filesystem::create_directories(SkinFolder() + "res");
}

void LumoTest::TearDown()
{
    lumo::headless::PumpMessages();
    // Drop a WM_QUIT a test left behind, so the next test starts clean.
    lumo::MSG msg;
    while (lumo::PeekMessageW(&msg, lumo::PM_REMOVE)) {
    }
    EXPECT_EQ(lumo::GetThreadWindowCount(), 0) << "a test left windows behind";
    lumo::Manager::SetAppFolder("");
}

void LumoTest::Flush()
{
    lumo::headless::AdvanceTime(20);
    lumo::headless::PumpMessages();
}

std::string LumoTest::SkinFolder() const { return lumo::Manager::GetSkinFolder(); }

::testing::AssertionResult ColorNear(lumo::ARGB actual, lumo::ARGB expected)
{
    for (int shift = 0; shift < 32; shift += 8) {
        int a = static_cast<int>((actual >> shift) & 0xFF);
        int b = static_cast<int>((expected >> shift) & 0xFF);
        if (a - b > 1 || b - a > 1) {
            return ::testing::AssertionFailure() << std::hex << "0x" << actual << " is not near 0x" << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

bool WritePng(const std::string& path, int w, int h, uint32_t (*pixel)(int, int, void*), void* ctx)
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x) {
            uint32_t c = pixel(x, y, ctx);
            uint32_t a = c >> 24;
            auto pm = [&](uint32_t v) { return (v * a + 127) / 255; };
            row[x] = (a << 24) | (pm((c >> 16) & 0xFF) << 16) | (pm((c >> 8) & 0xFF) << 8) | pm(c & 0xFF);
        }
    }
    cairo_surface_mark_dirty(s);
    bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

} // namespace lumotest

// fontconfig keeps a few allocations for the life of the process that it never frees.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
