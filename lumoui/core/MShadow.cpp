#include "lumoui/MShadow.h"
#include "core/Present.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/WindowApi.h"

#include <algorithm>
#include <cmath>

namespace lumo {

namespace {
constexpr char kClassName[] = "ShadowWnd";
}

MShadow::~MShadow()
{
    if (IsWindow(m_hwnd)) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
}

bool MShadow::Create(HWND parent)
{
    if (IsWindow(m_hwnd)) {
        return true;
    }
    WNDCLASS wc;
    wc.lpfnWndProc = &MShadow::WindowProc;
    wc.lpszClassName = kClassName;
    RegisterClassW(wc);
    m_parent = parent;
    m_hwnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_LUMO_TOOLTIP, kClassName, "", WS_POPUP, 0, 0, 1,
        1, parent, nullptr);
    if (!m_hwnd) {
        return false;
    }
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<intptr_t>(this));
    Update();
    return true;
}

void MShadow::SetSize(int size)
{
    m_size = std::clamp(size, 0, 20);
    Update();
}

void MShadow::SetSharpness(int sharpness)
{
    m_sharpness = std::clamp(sharpness, 0, 20);
    Update();
}

void MShadow::SetDarkness(int darkness)
{
    m_darkness = std::clamp(darkness, 0, 255);
    Update();
}

void MShadow::SetPosition(int x, int y)
{
    m_offset = CPoint(x, y);
    Update();
}

void MShadow::SetColor(COLORREF color)
{
    m_color = color;
    Update();
}

bool MShadow::SetImage(const std::string& fileName, int edge)
{
    m_image = MImage::FromFile(Manager::GetSkinFolder() + fileName);
    m_edge = edge;
    Update();
    return m_image != nullptr;
}

void MShadow::ShowShadow(bool show)
{
    m_show = show;
    Update();
}

void MShadow::Update()
{
    if (!IsWindow(m_hwnd)) {
        return;
    }
    bool visible = m_show && m_size > 0 && IsWindowVisible(m_parent) && !IsIconic(m_parent);
    if (!visible) {
        ShowWindow(m_hwnd, SW_HIDE);
        return;
    }
    CRect r;
    GetWindowRect(m_parent, &r);
    r.InflateRect(m_size, m_size);
    r.OffsetRect(m_offset);
    SetWindowPos(m_hwnd, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOACTIVATE | SWP_NOZORDER);
    ShowWindow(m_hwnd, SW_SHOWNA);
    InvalidateRect(m_hwnd, nullptr, false);
}

void MShadow::Paint()
{
    CRect client;
    GetClientRect(m_hwnd, &client);
    if (!m_dc.Create(client.Width(), client.Height())) {
        return;
    }
    if (m_image) {
        MRender::DrawImageFrame(
            m_dc.GetDC(), m_image.get(), client, 0, 0, m_image->GetWidth(), m_image->GetHeight(), m_edge);
    } else {
        // Alpha falls from `darkness` at the parent's edge to 0 at the shadow's outer edge;
        // a higher sharpness makes the fall steeper.
        m_dc.Flush();
        uint32_t* bits = m_dc.Bits();
        int words = m_dc.Stride() / 4;
        double power = 1.0 + m_sharpness / 5.0;
        for (int y = 0; y < client.Height(); ++y) {
            for (int x = 0; x < client.Width(); ++x) {
                int dx = std::max({ 0, m_size - x, x - (client.Width() - 1 - m_size) });
                int dy = std::max({ 0, m_size - y, y - (client.Height() - 1 - m_size) });
                double d = std::sqrt(static_cast<double>(dx * dx + dy * dy)) / std::max(1, m_size);
                double k = d >= 1.0 ? 0.0 : std::pow(1.0 - d, power);
                auto a = static_cast<uint32_t>(m_darkness * k);
                auto pm = [&](uint32_t c) { return c * a / 255; };
                bits[y * words + x] = (a << 24) | (pm(GetRValue(m_color)) << 16) | (pm(GetGValue(m_color)) << 8)
                    | pm(GetBValue(m_color));
            }
        }
        m_dc.MarkDirty();
    }
    PresentToWindow(m_hwnd, m_dc, client, true, 0);
}

LRESULT MShadow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<MShadow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == WM_PAINT) {
        self->Paint();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace lumo
