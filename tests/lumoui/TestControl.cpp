#include "TestControl.h"

#include "lumoui/MRender.h"
#include "lumoui/PaintManager.h"

using namespace lumo;

namespace lumotest {

int TestControl::s_alive = 0;

TestControl::TestControl(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
    , m_ctorTitle(title)
    , m_ctorVisible(visible)
    , m_ctorEnabled(enabled)
{
    m_title = title;
    ++s_alive;
}

TestControl::~TestControl() { --s_alive; }

void TestControl::InitControl(PaintManager*) { ++m_initCalls; }

void TestControl::DrawControl(HDC& hdc, CRect)
{
    ++m_draws;
    CRect r = GetRect();
    if (!GetUpdate() || !GetMemDC().IsValid()) {
        ++m_rebuilds;
        UpdateMemDC(hdc, r.Width(), r.Height());
        MRender::FillSolidRect(GetMemDC().GetDC(), CRect(0, 0, r.Width(), r.Height()), m_fill);
    }
    MRender::BitBlt(hdc, r.left, r.top, r.Width(), r.Height(), GetMemDC().GetSurface(), 0, 0);
}

bool TestControl::OnMousePointChange(CPoint& pt)
{
    pt.Offset(m_scroll.x, m_scroll.y);
    return m_scroll != CPoint();
}

bool TestControl::OnControlMouseMove(UINT, CPoint pt)
{
    m_lastPoint = pt;
    return GetRect().PtInRect(pt);
}

bool TestControl::OnControlLButtonDown(UINT, CPoint pt)
{
    m_lastPoint = pt;
    m_pressed = true;
    SendMessageW(NOTIFY_PRESS, 0, 0);
    return true;
}

bool TestControl::OnControlLButtonUp(UINT, CPoint pt)
{
    m_lastPoint = pt;
    if (m_pressed && GetRect().PtInRect(pt)) {
        SendMessageW(NOTIFY_CLICK, 0, 0);
    }
    m_pressed = false;
    return true;
}

bool TestControl::OnControlRButtonUp(UINT, CPoint)
{
    SendMessageW(NOTIFY_RCLICK, 0, 0);
    return true;
}

bool TestControl::OnControlScroll(bool, UINT, CPoint)
{
    ++m_scrolls;
    return m_handleScroll;
}

bool TestControl::OnControlKeyDown(UINT vk, UINT repeat, UINT flags)
{
    ++m_keys;
    return m_handleKeys || MControlFont::OnControlKeyDown(vk, repeat, flags);
}

bool TestControl::OnControlTimer()
{
    ++m_ticks;
    if (m_requestRedrawOnTick) {
        UpdateControl(true);
    }
    return true;
}

bool TestControl::OnNativeTimer(UINT key)
{
    m_nativeTimerKeys.push_back(key);
    return true;
}

bool TestControl::SetControlFocus(bool focus)
{
    if (focus) {
        ++m_focusGained;
    }
    return MControlFont::SetControlFocus(focus);
}

HWND TestDialog::Open(CRect rect, HWND owner)
{
    HWND hwnd = Create(owner, "test", WS_POPUP, 0, rect);
    ShowWindow(SW_SHOW);
    return hwnd;
}

} // namespace lumotest

LUMO_REGISTER_CONTROL_AS(lumotest::TestControl, "CTestControl", lumo::kWindowFactory | lumo::kContainerFactory)
LUMO_REGISTER_CONTROL_AS(lumotest::ContainerOnlyControl, "CTestContainerOnly", lumo::kContainerFactory)
