#include "lumoui/MSpinButton.h"

#include "controls/SlotCache.h"
#include "lumoui/ButtonState.h"
#include "lumoui/MRender.h"
#include "lumoui/Messages.h"
#include "lumoui/PaintManager.h"

#include <algorithm>
#include <cstdlib>

namespace lumo {

namespace {

constexpr int kArrowSlices = 4;
constexpr int kMaxLimit = 18; // digits a long long always holds
constexpr ARGB kBoxFill = 0xFF0B131B;
constexpr ARGB kBoxBorder = 0xFF285055;
constexpr ARGB kBoxFocus = 0xFF007ACC;
constexpr ARGB kDisabledText = 0xFF808080;
// A held arrow repeats its step: the first repeat after kRepeatDelayTicks ticks.
constexpr UINT kRepeatTimer = 1;
constexpr UINT kRepeatMs = 80;
constexpr int kRepeatDelayTicks = 5;

} // namespace

MSpinButton::MSpinButton(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
    m_hAlign = DT_CENTER;
}

MSpinButton::~MSpinButton()
{
    if (m_manager) {
        m_manager->KillTimer(this, kRepeatTimer);
    }
}

void MSpinButton::InitControl(PaintManager* manager)
{
    if (m_up.Load(manager, "img_spin_up.png", kArrowSlices)) {
        m_arrowSize = m_up.GetSliceSize();
    }
    m_down.Load(manager, "img_spin_down.png", kArrowSlices);
}

void MSpinButton::SetRange(int min, int max)
{
    m_min = std::min(min, max);
    m_max = std::max(min, max);
    m_value = std::clamp(m_value, m_min, m_max);
    UpdateControl(true);
}

void MSpinButton::SetCurValue(int value)
{
    value = std::clamp(value, m_min, m_max);
    if (value != m_value) {
        m_value = value;
        UpdateControl(true);
    }
}

void MSpinButton::SetLimitLength(int length) { m_limit = std::clamp(length, 1, kMaxLimit); }

int MSpinButton::GetLimitLength() const
{
    if (m_limit > 0) {
        return m_limit;
    }
    return static_cast<int>(std::to_string(std::abs(static_cast<long long>(m_max))).size());
}

int MSpinButton::Wrap(long long value) const
{
    if (value > m_max) {
        return m_min;
    }
    if (value < m_min) {
        return m_max;
    }
    return static_cast<int>(value);
}

void MSpinButton::Step(int delta)
{
    int value = Wrap(static_cast<long long>(m_value) + delta);
    if (value != m_value) {
        m_value = value;
        UpdateControl(true);
    }
    SendMessageW(NOTIFY_SPIN, 0, 0);
}

void MSpinButton::TypeDigit(int digit)
{
    std::string text = std::to_string(m_value) + static_cast<char>('0' + digit);
    size_t digits = text.size() - (text[0] == '-' ? 1 : 0);
    long long typed = digits > static_cast<size_t>(GetLimitLength()) ? digit : std::strtoll(text.c_str(), nullptr, 10);
    int value = Wrap(typed);
    if (value != m_value) {
        m_value = value;
        UpdateControl(true);
    }
    SendMessageW(NOTIFY_SPIN, 0, 0);
}

void MSpinButton::RemoveDigit()
{
    std::string text = std::to_string(m_value);
    text.pop_back();
    long long shortened = (text.empty() || text == "-") ? 0 : std::strtoll(text.c_str(), nullptr, 10);
    int value = Wrap(shortened);
    if (value != m_value) {
        m_value = value;
        UpdateControl(true);
        SendMessageW(NOTIFY_SPIN, 0, 0);
    }
}

bool MSpinButton::OnControlKeyDown(UINT vk, UINT repeat, UINT flags)
{
    if (!IsFocused() || !IsEnabled()) {
        return MControlFont::OnControlKeyDown(vk, repeat, flags);
    }
    if (vk == VK_UP || vk == VK_ADD) {
        Step(1);
    } else if (vk == VK_DOWN || vk == VK_SUBTRACT) {
        Step(-1);
    } else if (vk >= '0' && vk <= '9') {
        TypeDigit(static_cast<int>(vk - '0'));
    } else if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9) {
        TypeDigit(static_cast<int>(vk - VK_NUMPAD0));
    } else if (vk == VK_BACK) {
        RemoveDigit();
    } else {
        return MControlFont::OnControlKeyDown(vk, repeat, flags);
    }
    return true;
}

CRect MSpinButton::GetUpRect() const
{
    CRect r = GetRect();
    return CRect(r.right - m_arrowSize.cx, r.top, r.right, r.top + r.Height() / 2);
}

CRect MSpinButton::GetDownRect() const
{
    CRect r = GetRect();
    return CRect(r.right - m_arrowSize.cx, r.top + r.Height() / 2, r.right, r.bottom);
}

MSpinButton::Arrow MSpinButton::ArrowAt(CPoint pt) const
{
    return GetUpRect().PtInRect(pt) ? ARROW_UP : GetDownRect().PtInRect(pt) ? ARROW_DOWN : ARROW_NONE;
}

bool MSpinButton::OnControlMouseMove(UINT, CPoint pt)
{
    Arrow hot = IsEnabled() ? ArrowAt(pt) : ARROW_NONE;
    if (hot != m_hot) {
        m_hot = hot;
        UpdateControl(true);
    }
    return GetRect().PtInRect(pt);
}

bool MSpinButton::OnControlLButtonDown(UINT, CPoint pt)
{
    if (!GetRect().PtInRect(pt)) {
        return false;
    }
    Arrow arrow = IsEnabled() ? ArrowAt(pt) : ARROW_NONE;
    if (arrow == ARROW_NONE) {
        UpdateControl(true); // the focus frame
        return true;
    }
    m_pressed = arrow;
    m_heldTicks = 0;
    if (m_manager) {
        m_manager->SetTimer(this, kRepeatTimer, kRepeatMs);
    }
    Step(arrow == ARROW_UP ? 1 : -1);
    return true;
}

bool MSpinButton::OnControlLButtonUp(UINT, CPoint)
{
    if (m_pressed == ARROW_NONE) {
        return false;
    }
    m_pressed = ARROW_NONE;
    if (m_manager) {
        m_manager->KillTimer(this, kRepeatTimer);
    }
    UpdateControl(true);
    return true;
}

bool MSpinButton::OnNativeTimer(UINT key)
{
    if (key != kRepeatTimer || m_pressed == ARROW_NONE) {
        return false;
    }
    if (++m_heldTicks >= kRepeatDelayTicks && m_hot == m_pressed) {
        Step(m_pressed == ARROW_UP ? 1 : -1);
    }
    return true;
}

bool MSpinButton::SetControlFocus(bool focus)
{
    bool changed = focus != IsFocused();
    MControlFont::SetControlFocus(focus);
    if (changed) {
        UpdateControl(true);
    }
    return false;
}

void MSpinButton::DrawBox(HDC dc, const CRect& rect) const
{
    CRect box(rect.left, rect.top, rect.right - m_arrowSize.cx, rect.bottom);
    MRender::FillSolidRect(dc, box, kBoxFill);
    MRender::DrawRectangle(dc, box, IsFocused() ? kBoxFocus : kBoxBorder);
    box.DeflateRect(2, 0);
    MRender::DrawTextW(dc, std::to_string(m_value), GetFont(), box, IsEnabled() ? m_textColor : kDisabledText,
        StringFormat::FromDT(m_hAlign, m_vAlign, StringFormatFlagsNoWrap));
}

void MSpinButton::DrawArrow(HDC dc, const ImageStrip& strip, Arrow which, const CRect& rect) const
{
    int state = !IsEnabled() ? BUTTON_DISABLED : m_pressed == which ? BUTTON_PRESSED
        : m_hot == which                                            ? BUTTON_HOVER
                                                                    : BUTTON_NORMAL;
    strip.DrawCentred(dc, state, rect);
}

void MSpinButton::DrawControl(HDC& hdc, CRect)
{
    DrawSlotCache(*this, hdc, 1, 0, [this](HDC dc, int, const CRect& rect) {
        DrawBox(dc, rect);
        // The arrow rects in cache coordinates.
        CRect up = GetUpRect();
        CRect down = GetDownRect();
        up.OffsetRect(rect.left - GetRect().left, rect.top - GetRect().top);
        down.OffsetRect(rect.left - GetRect().left, rect.top - GetRect().top);
        DrawArrow(dc, m_up, ARROW_UP, up);
        DrawArrow(dc, m_down, ARROW_DOWN, down);
    });
}

LUMO_REGISTER_CONTROL(MSpinButton, kWindowFactory | kContainerFactory)

} // namespace lumo
