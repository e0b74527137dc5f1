#include "lumoui/Headless.h"
#include "core/WindowSystem.h"
#include "platform/PixelOps.h"
#include "platform/headless/HeadlessBackend.h"

#include <cairo.h>

namespace lumo::headless {

namespace {

WindowSystem& Sys() { return WindowSystem::Get(); }

} // namespace

bool Enable()
{
    WindowSystem::RequestHeadless();
    return Sys().IsHeadless();
}

bool IsActive() { return Sys().IsHeadless(); }

void UseManualClock(bool manual) { Sys().SetManualClock(manual); }
void AdvanceTime(uint32_t ms) { Sys().AdvanceClock(ms); }

void MouseMove(HWND hwnd, int x, int y) { Sys().OnNativeMouseMove(hwnd, CPoint(x, y)); }

void MouseDown(HWND hwnd, int x, int y, bool right)
{
    Sys().OnNativeMouseMove(hwnd, CPoint(x, y));
    Sys().OnNativeMouseButton(hwnd, CPoint(x, y), right ? MouseButton::Right : MouseButton::Left, true);
}

void MouseUp(HWND hwnd, int x, int y, bool right)
{
    Sys().OnNativeMouseButton(hwnd, CPoint(x, y), right ? MouseButton::Right : MouseButton::Left, false);
}

void Click(HWND hwnd, int x, int y, bool right)
{
    MouseDown(hwnd, x, y, right);
    MouseUp(hwnd, x, y, right);
}

void Wheel(HWND hwnd, int x, int y, int delta) { Sys().OnNativeMouseWheel(hwnd, CPoint(x, y), delta); }
void MouseLeave(HWND hwnd) { Sys().OnNativeMouseLeave(hwnd); }
void KeyDown(UINT vk, UINT usage) { Sys().OnNativeKey(vk, usage, true, false); }
void KeyUp(UINT vk, UINT usage) { Sys().OnNativeKey(vk, usage, false, false); }
void Text(const std::string& utf8) { Sys().OnNativeText(utf8); }
void Composition(const std::string& utf8, int cursor) { Sys().OnNativeComposition(utf8, cursor); }

void Focus(HWND hwnd, bool gained)
{
    Sys().OnNativeFocus(hwnd, gained);
    Sys().SettleFocus();
}

void CloseRequest(HWND hwnd) { Sys().OnNativeCloseRequest(hwnd); }

int PumpMessages()
{
    int n = 0;
    MSG msg;
    while (Sys().GetMessage(&msg, false, false)) {
        if (msg.message == WM_QUIT) {
            break;
        }
        Sys().GetMessage(&msg, false, true);
        Sys().Dispatch(&msg);
        ++n;
    }
    return n;
}

ARGB GetPixel(HWND hwnd, int x, int y)
{
    HeadlessBackend* b = HeadlessBackend::Instance();
    uint32_t p = 0;
    if (!b || !b->PixelAt(hwnd, x, y, &p)) {
        return 0;
    }
    return Unpremultiply(p);
}

bool SavePng(HWND hwnd, const std::string& path)
{
    HeadlessBackend* b = HeadlessBackend::Instance();
    HeadlessBackend::Window w;
    if (!b || !b->Snapshot(hwnd, &w) || w.size.cx <= 0 || w.size.cy <= 0) {
        return false;
    }
    cairo_surface_t* s = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(w.pixels.data()),
        CAIRO_FORMAT_ARGB32, w.size.cx, w.size.cy, w.size.cx * 4);
    bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

int GetPresentCount(HWND hwnd)
{
    HeadlessBackend::Window w;
    HeadlessBackend* b = HeadlessBackend::Instance();
    return b && b->Snapshot(hwnd, &w) ? w.presents : 0;
}

CRect GetPresentedRect(HWND hwnd)
{
    HeadlessBackend::Window w;
    HeadlessBackend* b = HeadlessBackend::Instance();
    return b && b->Snapshot(hwnd, &w) ? w.presented : CRect();
}

void ResetPresented(HWND hwnd)
{
    if (HeadlessBackend* b = HeadlessBackend::Instance()) {
        b->ResetPresented(hwnd);
    }
}

bool IsShown(HWND hwnd)
{
    HeadlessBackend::Window w;
    HeadlessBackend* b = HeadlessBackend::Instance();
    return b && b->Snapshot(hwnd, &w) && w.shown;
}

int GetDragCount(HWND hwnd)
{
    HeadlessBackend::Window w;
    HeadlessBackend* b = HeadlessBackend::Instance();
    return b && b->Snapshot(hwnd, &w) ? w.drags : 0;
}

HCURSOR GetCurrentCursor()
{
    HeadlessBackend* b = HeadlessBackend::Instance();
    return b ? b->Cursor() : 0;
}

bool IsTextInputOn()
{
    HeadlessBackend* b = HeadlessBackend::Instance();
    return b && b->TextInputOn();
}

} // namespace lumo::headless
