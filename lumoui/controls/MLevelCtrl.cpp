#include "lumoui/MLevelCtrl.h"

#include "controls/SlotCache.h"
#include "lumoui/MRender.h"
#include "lumoui/Messages.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr ARGB kDisabledLit = 0xFF5A636C;

} // namespace

MLevelCtrl::MLevelCtrl(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
}

void MLevelCtrl::SetLevelValue(int level)
{
    level = std::clamp(level, m_min, m_max);
    if (level != m_level) {
        m_level = level;
        UpdateControl(true);
    }
}

bool MLevelCtrl::SetRangeValue(int min, int max)
{
    if (min >= max) {
        return false;
    }
    m_min = min;
    m_max = max;
    m_level = std::clamp(m_level, m_min, m_max);
    UpdateControl(true);
    return true;
}

void MLevelCtrl::SetLevelColor(ARGB lit, ARGB unlit)
{
    m_lit = lit;
    m_unlit = unlit;
    UpdateControl(true);
}

int MLevelCtrl::LevelAt(int x) const
{
    CRect r = GetRect();
    int blocks = m_max - m_min;
    if (r.Width() <= 0) {
        return m_min;
    }
    // Block k (0-based) covers [k * w / blocks, (k + 1) * w / blocks) and stands for level
    // min + k + 1; a press left of the first block is the minimum.
    long long rel = x - r.left;
    if (rel < 0) {
        return m_min;
    }
    long long block = rel * blocks / r.Width();
    return static_cast<int>(std::clamp<long long>(m_min + block + 1, m_min, m_max));
}

void MLevelCtrl::Choose(int x)
{
    int level = LevelAt(x);
    if (level != m_level) {
        m_level = level;
        UpdateControl(true);
        SendMessageW(NOTIFY_CLICK, static_cast<WPARAM>(m_level), 0);
    }
}

bool MLevelCtrl::OnControlLButtonDown(UINT, CPoint pt)
{
    if (!GetRect().PtInRect(pt)) {
        return false;
    }
    if (IsEnabled()) {
        m_pressed = true;
        Choose(pt.x);
    }
    return true;
}

bool MLevelCtrl::OnControlMouseMove(UINT, CPoint pt)
{
    if (m_pressed) {
        Choose(pt.x);
        return true;
    }
    return GetRect().PtInRect(pt);
}

bool MLevelCtrl::OnControlLButtonUp(UINT, CPoint)
{
    bool was = m_pressed;
    m_pressed = false;
    return was;
}

void MLevelCtrl::DrawControl(HDC& hdc, CRect)
{
    DrawSlotCache(*this, hdc, 1, 0, [this](HDC dc, int, const CRect& rect) {
        int blocks = m_max - m_min;
        for (int k = 0; k < blocks; ++k) {
            int left = rect.left + rect.Width() * k / blocks;
            int right = rect.left + rect.Width() * (k + 1) / blocks - (k + 1 < blocks ? kBlockGap : 0);
            bool lit = m_min + k + 1 <= m_level;
            ARGB color = !lit ? m_unlit : IsEnabled() ? m_lit : kDisabledLit;
            MRender::FillSolidRect(dc, CRect(left, rect.top, right, rect.bottom), color);
        }
    });
}

LUMO_REGISTER_CONTROL(MLevelCtrl, kWindowFactory | kContainerFactory)

} // namespace lumo
