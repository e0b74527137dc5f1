#include "lumoui/MEdit.h"
#include "controls/ComboFace.h"
#include "controls/IconStrip.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/PaintManager.h"
#include "lumoui/WindowApi.h"

#include <algorithm>

namespace lumo {

LUMO_REGISTER_CONTROL(MEdit, kWindowFactory | kContainerFactory)

namespace {

constexpr int kStates = 4;
constexpr int kStateNormal = 0;
constexpr int kStateHover = 1;
constexpr int kStateEditing = 2;
constexpr int kStateDisabled = 3;
constexpr int kFrameEdge = 6;
constexpr int kTextInset = 6;
constexpr int kIconRightInset = 9;
constexpr int kIconGap = 4;
constexpr ARGB kGreyText = 0xFF808080;

} // namespace

MEdit::MEdit(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : EditHostControl(parent, id, rect, visible != 0, enabled != 0)
    , m_icon(std::make_unique<IconStrip>())
{
    m_title = title ? title : "";
    m_editor.SetText(m_title);
    m_editor.SetRect(DefaultTextRect());
}

MEdit::~MEdit() = default;

// Text --------------------------------------------------------------------------------------------

void MEdit::SetControlTitle(const std::string& title)
{
    if (title == m_title) {
        return;
    }
    m_title = title;
    m_editor.SetText(title);
}

std::string MEdit::GetControlTitle()
{
    HideEdit();
    return m_title;
}

std::string MEdit::GetEditText() const
{
    return IsEditing() ? m_editor.GetText() : m_title;
}

void MEdit::SetEditText(const std::string& text)
{
    if (text == m_title) {
        return;
    }
    m_title = text;
    if (!IsEditing()) {
        m_editor.SetText(text);
    }
}

// Rules and look --------------------------------------------------------------------------------------

void MEdit::SetLimitText(int limit)
{
    m_editor.Model().SetLimit(limit);
}
void MEdit::SetNumberOnly(bool on)
{
    m_editor.Model().SetNumberOnly(on);
}

void MEdit::SetReadOnly(bool on)
{
    m_readOnly = on;
    if (on) {
        HideEdit();
    }
}

void MEdit::EnablePassWord(bool on)
{
    m_password = on;
    m_editor.SetPassword(on ? m_passwordChar : 0);
    UpdateControl(false);
}

void MEdit::SetPassWordChar(uint32_t ch)
{
    m_passwordChar = ch ? ch : '*';
    EnablePassWord(m_password);
}

void MEdit::EnableMultLine(bool on)
{
    m_editor.Model().SetMultiLine(on);
    m_editor.SetText(GetEditText());
    UpdateControl(false);
}

void MEdit::SetEditBKColor(COLORREF color)
{
    m_editBack = color;
}

void MEdit::SetTipInfo(const std::string& tip)
{
    m_tip = tip;
    UpdateControl(false);
}

bool MEdit::SetIconImage(const std::string& fileName, int count)
{
    if (!m_icon->Load(m_manager, fileName, count)) {
        return false;
    }
    m_editor.SetRect(GetTextRect());
    UpdateControl(true);
    return true;
}

void MEdit::SetTextRect(CRect rect)
{
    m_textRect = rect;
    m_editor.SetRect(GetTextRect());
    UpdateControl(false);
}

CRect MEdit::GetTextRect() const
{
    if (m_textRect.IsRectEmpty()) {
        return DefaultTextRect();
    }
    CRect r = m_textRect;
    r.OffsetRect(m_rect.left, m_rect.top);
    return r;
}

CRect MEdit::DefaultTextRect() const
{
    CRect r = m_rect;
    r.left += kTextInset;
    r.right -= kTextInset;
    if (m_editor.Model().IsMultiLine()) {
        r.top += kTextInset;
        r.bottom -= kTextInset;
    }
    CRect icon = GetIconRect();
    if (!icon.IsRectEmpty()) {
        r.right = std::min(r.right, icon.left - kIconGap);
    }
    return r;
}

CRect MEdit::GetIconRect() const
{
    if (!m_icon->IsSet()) {
        return CRect();
    }
    int right = m_rect.right - kIconRightInset;
    int top = m_rect.top + (m_rect.Height() - m_icon->size.cy) / 2;
    return CRect(right - m_icon->size.cx, top, right, top + m_icon->size.cy);
}

// Editing --------------------------------------------------------------------------------------------

void MEdit::ShowEdit()
{
    if (IsEditing() || m_readOnly || !IsEnabled() || !IsVisible() || !m_manager) {
        return;
    }
    SyncEditor();
    if (!m_editor.Begin(GetTextRect(), m_title, true)) {
        return;
    }
    UpdateControl(false);
    SendMessageW(NOTIFY_EDITBEGIN, 0, 0);
}

void MEdit::HideEdit()
{
    m_editor.End(EditEnd::Closed);
}

void MEdit::OnEditorChanged(InlineEditor& editor)
{
    m_title = editor.GetText();
    SendMessageW(NOTIFY_TEXTCHANGED, 0, 0);
}

void MEdit::OnEditorEnded(InlineEditor& editor, EditEnd how)
{
    if (how == EditEnd::Escape && editor.GetText() != editor.GetInitialText()) {
        editor.SetText(editor.GetInitialText());
        m_title = editor.GetText();
        SendMessageW(NOTIFY_TEXTCHANGED, 0, 0);
    }
    m_title = editor.GetText();
    UpdateControl(false);
    SendMessageW(NOTIFY_EDITEND, 0, 0);
}

int MEdit::GetState() const
{
    if (!IsEnabled()) {
        return kStateDisabled;
    }
    if (IsEditing()) {
        return kStateEditing;
    }
    return m_hover ? kStateHover : kStateNormal;
}

int MEdit::IconState() const
{
    if (!IsEnabled()) {
        return kStateDisabled;
    }
    if (m_iconPressed) {
        return 2;
    }
    return m_iconHover ? 1 : 0;
}

// Drawing ------------------------------------------------------------------------------------------------

void MEdit::SyncEditor()
{
    m_editor.SetFont(GetFont());
    m_editor.SetTextColor(IsEnabled() ? m_textColor : kGreyText);
    m_editor.SetBackColor(m_editBack == kNoColor ? 0 : ColorRefToARGB(m_editBack));
    m_editor.SetSelectionColor(Manager::GetSelectColor());
    m_editor.SetAlignment(m_hAlign);
    m_editor.SetRect(GetTextRect());
}

void MEdit::DrawFrame(HDC hdc, int state, const CRect& dest)
{
    if (m_image) {
        DrawSlice(hdc, state, dest, kFrameEdge);
        return;
    }
    comboface::DrawPlainBox(hdc, state, dest, m_manager ? m_manager->GetBackColor() : 0x130D09);
}

void MEdit::DrawText(HDC hdc)
{
    if (!IsEditing()) {
        SyncEditor();
    }
    if (!IsEditing() && m_title.empty()) {
        if (!m_tip.empty()) {
            UINT v = m_editor.Model().IsMultiLine() ? DT_TOP : DT_VCENTER;
            MRender::DrawTextW(hdc, m_tip, GetFont(), GetTextRect(), kGreyText,
                StringFormat::FromDT(m_hAlign, v, StringFormatFlagsNoWrap));
        }
        return;
    }
    m_editor.Draw(hdc);
}

void MEdit::DrawControl(HDC& hdc, CRect)
{
    int w = m_rect.Width();
    int h = m_rect.Height();
    if (w <= 0 || h <= 0) {
        return;
    }
    if (!GetUpdate() || !GetMemDC().IsValid()) {
        if (!UpdateMemDC(hdc, w * kStates, h)) {
            return;
        }
        MemDC& cache = GetMemDC();
        cache.Clear();
        for (int i = 0; i < kStates; ++i) {
            CopyBackground(hdc, cache, i * w, 0);
            DrawFrame(cache.GetDC(), i, CRect(i * w, 0, (i + 1) * w, h));
        }
    }
    MRender::BitBlt(hdc, m_rect.left, m_rect.top, w, h, GetMemDC().GetSurface(), GetState() * w, 0);
    m_icon->Draw(hdc, IconState(), GetIconRect().TopLeft());
    DrawText(hdc);
}

// State hooks --------------------------------------------------------------------------------------------

void MEdit::SetControlEnabled(bool enabled)
{
    if (!enabled) {
        m_hover = m_iconHover = m_pressed = m_iconPressed = false;
    }
    EditHostControl::SetControlEnabled(enabled);
}

// Mouse and keys ------------------------------------------------------------------------------------------

void MEdit::SetHover(bool hover, bool iconHover)
{
    if (hover == m_hover && iconHover == m_iconHover) {
        return;
    }
    m_hover = hover;
    m_iconHover = iconHover;
    UpdateControl(false);
}

bool MEdit::OnControlMouseMove(UINT flags, CPoint pt)
{
    if (m_editor.OnMouseMove(flags, pt)) {
        return true;
    }
    bool inside = m_rect.PtInRect(pt);
    if (IsEnabled() && !m_pressed) {
        SetHover(inside, GetIconRect().PtInRect(pt));
    }
    return inside;
}

bool MEdit::OnControlSetCursor(UINT flags, CPoint pt)
{
    if (!m_rect.PtInRect(pt)) {
        return EditHostControl::OnControlSetCursor(flags, pt);
    }
    if (GetIconRect().PtInRect(pt)) {
        ::lumo::SetCursor(IDC_HAND);
    } else {
        ::lumo::SetCursor(IsEnabled() && !m_readOnly ? IDC_IBEAM : IDC_ARROW);
    }
    return true;
}

bool MEdit::OnControlLButtonDown(UINT flags, CPoint pt)
{
    if (!IsEnabled()) {
        return false;
    }
    m_pressed = true;
    if (GetIconRect().PtInRect(pt)) {
        m_iconPressed = true;
        UpdateControl(false);
        return true;
    }
    if (IsEditing()) {
        // Presses anywhere in the field place the caret, the margins included.
        CRect text = m_editor.GetRect();
        CPoint inside(
            std::clamp(pt.x, text.left, text.right - 1), std::clamp(pt.y, text.top, text.bottom - 1));
        m_editor.OnLButtonDown(flags, inside);
        m_pressed = false;
        return true;
    }
    SendMessageW(NOTIFY_PRESS, 0, 0);
    ShowEdit();
    return true;
}

bool MEdit::OnControlLButtonUp(UINT flags, CPoint pt)
{
    if (m_editor.OnLButtonUp(flags, pt)) {
        return true;
    }
    bool pressed = m_pressed;
    bool iconPressed = m_iconPressed;
    m_pressed = m_iconPressed = false;
    if (!IsEnabled()) {
        return false;
    }
    bool inside = m_rect.PtInRect(pt);
    SetHover(inside, GetIconRect().PtInRect(pt));
    if (iconPressed) {
        UpdateControl(false);
        if (GetIconRect().PtInRect(pt)) {
            HideEdit();
            SendMessageW(NOTIFY_EDITBUTTON, 0, 0);
        }
        return true;
    }
    if (pressed && inside) {
        SendMessageW(NOTIFY_CLICK, 0, 0);
    }
    return pressed;
}

bool MEdit::OnControlScroll(bool, UINT down, CPoint)
{
    return m_editor.Model().IsMultiLine() && m_editor.OnScroll(down != 0);
}

bool MEdit::OnControlKeyDown(UINT vk, UINT repeat, UINT flags)
{
    if (vk == VK_SPACE && flags == 0 && IsFocused() && IsEnabled() && !IsEditing()) {
        SendMessageW(NOTIFY_PRESS, 0, 0);
        ShowEdit();
        // The space this key types must not replace the text the editor opened with.
        m_editor.SwallowChar(' ');
        return true;
    }
    return EditHostControl::OnControlKeyDown(vk, repeat, flags);
}

} // namespace lumo
