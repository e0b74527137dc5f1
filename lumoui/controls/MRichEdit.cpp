#include "lumoui/MRichEdit.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/PaintManager.h"
#include "lumoui/WindowApi.h"

#include <algorithm>
#include <utility>

namespace lumo {

LUMO_REGISTER_CONTROL(MRichEdit, kWindowFactory | kContainerFactory)

namespace {

constexpr int kTextInset = 4;
constexpr ARGB kGreyText = 0xFF808080;
constexpr ARGB kEditingBorder = 0xFF007ACC;

} // namespace

MRichEdit::MRichEdit(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : EditHostControl(parent, id, rect, visible != 0, enabled != 0)
{
    m_editor.Model().SetMultiLine(true);
    m_title = title ? title : "";
    m_editor.SetRect(TextRect());
    m_editor.SetText(m_title);
}

MRichEdit::~MRichEdit() = default;

void MRichEdit::SetControlTitle(const std::string& title)
{
    if (title == m_title) {
        return;
    }
    m_editor.SetText(title);
    m_title = m_editor.GetText();
}

std::string MRichEdit::GetControlTitle()
{
    return m_title;
}

void MRichEdit::SetReadOnly(bool on)
{
    m_editor.Model().SetReadOnly(on);
}

void MRichEdit::SetBackColor(ARGB back)
{
    m_back = back;
    UpdateControl(true);
}

void MRichEdit::SetBorderColor(ARGB border)
{
    m_border = border;
    UpdateControl(true);
}

void MRichEdit::SetSel(int start, int end)
{
    m_editor.SetSel(start, end);
}

bool MRichEdit::ReplaceSel(const std::string& text)
{
    if (!m_editor.ReplaceSel(text)) {
        return false;
    }
    m_title = m_editor.GetText();
    return true;
}

CRect MRichEdit::TextRect() const
{
    CRect r = m_rect;
    r.DeflateRect(kTextInset, kTextInset);
    return r;
}

void MRichEdit::SyncEditor()
{
    m_editor.SetFont(GetFont());
    m_editor.SetTextColor(IsEnabled() ? m_textColor : kGreyText);
    m_editor.SetSelectionColor(Manager::GetSelectColor());
    m_editor.SetRect(TextRect());
}

void MRichEdit::DrawControl(HDC& hdc, CRect)
{
    int w = m_rect.Width();
    int h = m_rect.Height();
    if (w <= 0 || h <= 0) {
        return;
    }
    if (!GetUpdate() || !GetMemDC().IsValid()) {
        if (!UpdateMemDC(hdc, w, h)) {
            return;
        }
        MemDC& cache = GetMemDC();
        MRender::FillSolidRect(cache.GetDC(), CRect(0, 0, w, h), m_back);
        MRender::DrawRectangle(cache.GetDC(), CRect(0, 0, w, h), m_border);
    }
    MRender::BitBlt(hdc, m_rect.left, m_rect.top, w, h, GetMemDC().GetSurface(), 0, 0);
    if (IsEditing()) {
        MRender::DrawRectangle(hdc, m_rect, kEditingBorder);
    } else {
        SyncEditor();
    }
    m_editor.Draw(hdc);
}

void MRichEdit::SetControlEnabled(bool enabled)
{
    if (!enabled) {
        m_pressed = false;
    }
    EditHostControl::SetControlEnabled(enabled);
}

bool MRichEdit::OnControlMouseMove(UINT flags, CPoint pt)
{
    return m_editor.OnMouseMove(flags, pt) || m_rect.PtInRect(pt);
}

bool MRichEdit::OnControlSetCursor(UINT flags, CPoint pt)
{
    if (!m_rect.PtInRect(pt)) {
        return EditHostControl::OnControlSetCursor(flags, pt);
    }
    ::lumo::SetCursor(IsEnabled() ? IDC_IBEAM : IDC_ARROW);
    return true;
}

bool MRichEdit::OnControlLButtonDown(UINT flags, CPoint pt)
{
    if (!IsEnabled()) {
        return false;
    }
    m_pressed = true;
    SendMessageW(NOTIFY_PRESS, 0, 0);
    if (!IsEditing()) {
        SyncEditor();
        int start = 0;
        int end = 0;
        m_editor.Model().GetSel(start, end);
        if (!m_editor.Begin(TextRect(), m_title, false)) {
            return true;
        }
        m_editor.Model().SetSel(start, end);
        UpdateControl(false);
    }
    CRect text = TextRect();
    CPoint inside(std::clamp(pt.x, text.left, text.right - 1), std::clamp(pt.y, text.top, text.bottom - 1));
    m_editor.OnLButtonDown(flags, inside);
    return true;
}

bool MRichEdit::OnControlLButtonUp(UINT flags, CPoint pt)
{
    m_editor.OnLButtonUp(flags, pt);
    bool pressed = std::exchange(m_pressed, false);
    if (pressed && IsEnabled() && m_rect.PtInRect(pt)) {
        SendMessageW(NOTIFY_CLICK, 0, 0);
    }
    return pressed;
}

bool MRichEdit::OnControlScroll(bool, UINT down, CPoint)
{
    return m_editor.OnScroll(down != 0);
}

void MRichEdit::OnEditorChanged(InlineEditor& editor)
{
    m_title = editor.GetText();
}

void MRichEdit::OnEditorEnded(InlineEditor& editor, EditEnd)
{
    m_title = editor.GetText();
    UpdateControl(false);
}

} // namespace lumo
