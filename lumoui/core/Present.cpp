#include "core/Present.h"
#include "core/WindowSystem.h"

namespace lumo {

void PresentToWindow(HWND hwnd, const MemDC& dc, const CRect& rect, bool layered, COLORREF back)
{
    if (!dc.IsValid() || !IsWindow(hwnd)) {
        return;
    }
    dc.Flush();
    WindowSystem::Get().Backend().Present(hwnd, dc.Bits(), dc.Stride(), dc.GetSize(), rect, layered, back);
}

} // namespace lumo
