#include "lumoui/InlineEditor.h"
#include "controls/EditLayout.h"
#include "lumoui/MControl.h"
#include "lumoui/MRender.h"
#include "lumoui/PaintManager.h"
#include "lumoui/WindowApi.h"

#include <algorithm>
#include <utility>

namespace lumo {

namespace {

constexpr int kWheelLines = 3;

bool KeyHeld(int vk)
{
    return (GetKeyState(vk) & 0x8000) != 0;
}

} // namespace

InlineEditor::InlineEditor(MControl* host, InlineEditorListener* listener)
    : m_host(host)
    , m_listener(listener)
    , m_layout(std::make_unique<EditLayout>())
{
}

InlineEditor::~InlineEditor()
{
    PaintManager* pm = m_active && m_host ? m_host->GetManager() : nullptr;
    if (pm) {
        if (pm->GetTextInputControl() == m_host) {
            pm->SetTextInputControl(nullptr, CRect());
        }
        pm->DestroyCaret(m_host);
    }
}

// Look --------------------------------------------------------------------------------------------

void InlineEditor::SetFont(const MFont& font)
{
    m_font = font;
    Refresh();
    UpdateCaret();
}

void InlineEditor::SetTextColor(ARGB color)
{
    m_textColor = color;
}
void InlineEditor::SetBackColor(ARGB color)
{
    m_backColor = color;
}
void InlineEditor::SetSelectionColor(ARGB color)
{
    m_selColor = color;
}
void InlineEditor::SetAlignment(UINT h)
{
    m_align = h;
}

void InlineEditor::SetPassword(uint32_t mask)
{
    m_mask = mask;
    Refresh();
    UpdateCaret();
}

void InlineEditor::SetText(const std::string& text)
{
    m_model.SetText(text);
    m_hasUndo = false;
    Refresh();
    if (m_active) {
        KeepCaretVisible();
        UpdateCaret();
        Repaint();
    }
}

void InlineEditor::SetSel(int start, int end)
{
    m_model.SetSel(start, end);
    CaretMoved();
}

bool InlineEditor::ReplaceSel(const std::string& text)
{
    Remember(UndoRun::None);
    if (!m_model.Insert(text)) {
        return false;
    }
    Refresh();
    m_stickyX = -1;
    KeepCaretVisible();
    UpdateCaret();
    Repaint();
    return true;
}

// Begin and end ------------------------------------------------------------------------------------

bool InlineEditor::Begin(const CRect& rect, const std::string& text, bool selectAll)
{
    PaintManager* pm = m_host ? m_host->GetManager() : nullptr;
    if (!pm) {
        return false;
    }
    if (MControl* other = pm->GetTextInputControl(); other && other != m_host) {
        other->OnWindowMessage(WM_KILLFOCUS, 0, 0);
    }
    // The editor takes the keyboard focus, so a press elsewhere ends the edit. Done before
    // the edit starts: handing the focus over may tell this host it lost it.
    if (!m_active && pm->GetFocusControl() != m_host) {
        pm->SetFocusControl(m_host);
    }
    m_rect = rect;
    m_model.SetText(text);
    if (selectAll) {
        m_model.SelectAll();
    }
    if (!m_active) {
        m_initial = m_model.GetText();
        m_hasUndo = false;
        m_undoRun = UndoRun::None;
    }
    m_active = true;
    m_dragging = false;
    m_composition.clear();
    m_scroll = CPoint();
    m_stickyX = -1;
    m_imeRect = CRect();
    Refresh();
    KeepCaretVisible();
    UpdateCaret();
    Repaint();
    return true;
}

void InlineEditor::End(EditEnd how)
{
    if (!m_active) {
        return;
    }
    m_active = false;
    m_dragging = false;
    m_swallow = 0;
    m_composition.clear();
    if (PaintManager* pm = m_host->GetManager()) {
        if (pm->GetTextInputControl() == m_host) {
            pm->SetTextInputControl(nullptr, CRect());
        }
        pm->DestroyCaret(m_host);
    }
    if (!m_model.IsMultiLine()) {
        m_scroll = CPoint();
    }
    Refresh();
    Repaint();
    if (m_listener) {
        m_listener->OnEditorEnded(*this, how);
    }
}

void InlineEditor::SetRect(const CRect& rect)
{
    if (rect == m_rect) {
        return;
    }
    m_rect = rect;
    Refresh();
    if (m_active) {
        KeepCaretVisible();
        UpdateCaret();
    }
}

// Messages and keys ----------------------------------------------------------------------------------

bool InlineEditor::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_KILLFOCUS) {
        End(EditEnd::FocusLost);
        return false;
    }
    if (!m_active) {
        return false;
    }
    switch (msg) {
    case WM_CHAR: {
        auto cp = static_cast<uint32_t>(wParam);
        if (std::exchange(m_swallow, 0) == cp) {
            return true;
        }
        // Control characters come with their key-down, which does the work.
        if (cp >= 0x20 && cp != 0x7F) {
            std::string text;
            utf8::Append(text, cp);
            Edit(UndoRun::Typing, [&] { return m_model.Insert(text); });
        }
        return true;
    }
    case WM_KEYDOWN:
        m_swallow = 0;
        return OnKey(static_cast<UINT>(wParam));
    case WM_IME_STARTCOMPOSITION:
        return true;
    case WM_IME_COMPOSITION:
        if (!m_model.IsReadOnly()) {
            m_composition = GetImeComposition(m_host->GetManager()->GetHWND(), &m_compCursor);
            Refresh();
            KeepCaretVisible();
            UpdateCaret();
            Repaint();
        }
        return true;
    case WM_IME_ENDCOMPOSITION:
        m_composition.clear();
        Refresh();
        KeepCaretVisible();
        UpdateCaret();
        Repaint();
        return true;
    default:
        return false;
    }
}

bool InlineEditor::OnKey(UINT vk)
{
    if (!m_composition.empty()) {
        // The input method owns the keys while it composes.
        return true;
    }
    bool ctrl = KeyHeld(VK_CONTROL);
    bool shift = KeyHeld(VK_SHIFT);
    switch (vk) {
    case VK_TAB:
        return false;
    case VK_RETURN:
        if (!m_model.IsMultiLine()) {
            End(EditEnd::Enter);
            return true;
        }
        Edit(UndoRun::None, [this] { return m_model.Insert("\n"); });
        return true;
    case VK_ESCAPE:
        End(EditEnd::Escape);
        return true;
    case VK_BACK:
        Edit(UndoRun::Deleting, [&] { return m_model.Backspace(ctrl); });
        return true;
    case VK_DELETE:
        if (shift) {
            Cut();
        } else {
            Edit(UndoRun::Deleting, [&] { return m_model.Delete(ctrl); });
        }
        return true;
    case VK_INSERT:
        if (ctrl) {
            Copy();
        } else if (shift) {
            Paste();
        }
        return true;
    default:
        break;
    }
    if (OnMoveKey(vk, ctrl, shift)) {
        return true;
    }
    if (ctrl) {
        return OnShortcut(vk);
    }
    // Function keys stay with the dialog; everything else belongs to the typing.
    return !(vk >= VK_F1 && vk <= VK_F24);
}

bool InlineEditor::OnMoveKey(UINT vk, bool ctrl, bool shift)
{
    using Move = TextEditModel::Move;
    bool multi = m_model.IsMultiLine();
    switch (vk) {
    case VK_LEFT:
    case VK_RIGHT: {
        bool left = vk == VK_LEFT;
        m_model.MoveCaret(
            ctrl ? (left ? Move::WordLeft : Move::WordRight) : (left ? Move::Left : Move::Right), shift);
        CaretMoved();
        return true;
    }
    case VK_UP:
    case VK_DOWN:
        if (multi) {
            MoveLine(vk == VK_UP ? -1 : 1, shift, 1);
        }
        return true;
    case VK_PRIOR:
    case VK_NEXT:
        if (multi) {
            int lines = std::max(1, m_rect.Height() / std::max(1, m_layout->LineHeight()));
            MoveLine(vk == VK_PRIOR ? -1 : 1, shift, lines);
        }
        return true;
    case VK_HOME:
    case VK_END: {
        bool home = vk == VK_HOME;
        if (multi && !ctrl) {
            size_t at = ToDisplay(m_model.GetCaret());
            m_model.SetCaret(FromDisplay(home ? m_layout->LineStart(at) : m_layout->LineEnd(at)), shift);
        } else {
            m_model.MoveCaret(home ? Move::Start : Move::End, shift);
        }
        CaretMoved();
        return true;
    }
    default:
        return false;
    }
}

template <class F> void InlineEditor::Edit(UndoRun run, F&& change)
{
    Remember(run);
    if (change()) {
        Changed();
    }
}

bool InlineEditor::OnShortcut(UINT vk)
{
    switch (vk) {
    case 'A':
        m_model.SelectAll();
        CaretMoved();
        return true;
    case 'C':
        Copy();
        return true;
    case 'X':
        Cut();
        return true;
    case 'V':
        Paste();
        return true;
    case 'Z':
    case 'Y':
        Undo();
        return true;
    default:
        return false;
    }
}

void InlineEditor::Copy()
{
    // A password never leaves the field.
    if (m_mask == 0 && m_model.HasSelection()) {
        SetClipboardText(m_model.GetSelectedText());
    }
}

void InlineEditor::Cut()
{
    if (m_mask != 0 || m_model.IsReadOnly() || !m_model.HasSelection()) {
        return;
    }
    Copy();
    Edit(UndoRun::None, [this] { return m_model.DeleteSelection(); });
}

void InlineEditor::Paste()
{
    if (m_model.IsReadOnly()) {
        return;
    }
    std::string text = GetClipboardText();
    if (text.empty()) {
        return;
    }
    Edit(UndoRun::None, [&] { return m_model.Insert(text); });
}

void InlineEditor::Remember(UndoRun run)
{
    // A run of typed characters (or of deletions) is one step; anything else starts a new one.
    if (run == UndoRun::None || run != m_undoRun || !m_hasUndo) {
        m_undoText = m_model.GetText();
        m_undoCaret = m_model.GetCaret();
        m_undoAnchor = m_model.GetAnchor();
        m_hasUndo = true;
    }
    m_undoRun = run;
}

void InlineEditor::Undo()
{
    if (!m_hasUndo || m_model.IsReadOnly() || m_undoText == m_model.GetText()) {
        return;
    }
    std::string text = m_model.GetText();
    size_t caret = m_model.GetCaret();
    size_t anchor = m_model.GetAnchor();
    m_model.SetText(m_undoText);
    m_model.SetCaret(m_undoAnchor, false);
    m_model.SetCaret(m_undoCaret, true);
    // The step swaps, so a second Ctrl+Z redoes.
    m_undoText = text;
    m_undoCaret = caret;
    m_undoAnchor = anchor;
    m_undoRun = UndoRun::None;
    Changed();
}

void InlineEditor::MoveLine(int dir, bool extend, int times)
{
    size_t at = ToDisplay(m_model.GetCaret());
    int x = m_stickyX >= 0 ? m_stickyX : m_layout->CaretRect(at).left;
    for (int i = 0; i < times; ++i) {
        size_t next = 0;
        if (!m_layout->LineMove(at, dir, x, &next)) {
            // Beyond the first or last line the caret goes to that end of the text.
            if (i == 0) {
                at = dir < 0 ? 0 : m_layout->GetText().size();
            }
            break;
        }
        at = next;
    }
    m_model.SetCaret(FromDisplay(at), extend);
    CaretMoved();
    m_stickyX = x;
}

// Mouse ------------------------------------------------------------------------------------------------

bool InlineEditor::OnLButtonDown(UINT flags, CPoint pt)
{
    if (!m_active || !HitTest(pt)) {
        return false;
    }
    if (!m_composition.empty()) {
        // The caret stays where the composition is until the input method is done.
        return true;
    }
    CPoint o = Origin();
    size_t at = FromDisplay(m_layout->IndexAt(CPoint(pt.x - o.x, pt.y - o.y)));
    m_model.SetCaret(at, (flags & MK_SHIFT) != 0 || KeyHeld(VK_SHIFT));
    m_dragging = true;
    CaretMoved();
    return true;
}

bool InlineEditor::OnMouseMove(UINT, CPoint pt)
{
    if (!m_active || !m_dragging) {
        return false;
    }
    CPoint o = Origin();
    size_t at = FromDisplay(m_layout->IndexAt(CPoint(pt.x - o.x, pt.y - o.y)));
    if (at != m_model.GetCaret()) {
        m_model.SetCaret(at, true);
        CaretMoved();
    }
    return true;
}

bool InlineEditor::OnLButtonUp(UINT, CPoint)
{
    bool was = m_dragging;
    m_dragging = false;
    return was;
}

bool InlineEditor::OnScroll(bool down)
{
    if (!m_model.IsMultiLine()) {
        return false;
    }
    int most = std::max(0, m_layout->Size().cy - m_rect.Height());
    int y = std::clamp(m_scroll.y + (down ? 1 : -1) * kWheelLines * m_layout->LineHeight(), 0, most);
    if (y == m_scroll.y) {
        return false;
    }
    m_scroll.y = y;
    UpdateCaret();
    Repaint();
    return true;
}

// Layout, caret, drawing ----------------------------------------------------------------------------------

void InlineEditor::Changed()
{
    Refresh();
    m_stickyX = -1;
    KeepCaretVisible();
    UpdateCaret();
    Repaint();
    if (m_listener) {
        m_listener->OnEditorChanged(*this);
    }
}

void InlineEditor::CaretMoved()
{
    m_stickyX = -1;
    m_undoRun = UndoRun::None;
    KeepCaretVisible();
    UpdateCaret();
    Repaint();
}

size_t InlineEditor::ToDisplay(size_t offset) const
{
    if (m_mask == 0) {
        return offset;
    }
    std::string one;
    utf8::Append(one, m_mask);
    return static_cast<size_t>(m_model.IndexOf(offset)) * one.size();
}

size_t InlineEditor::FromDisplay(size_t index) const
{
    if (!m_composition.empty()) {
        size_t end = m_compAt + m_composition.size();
        index = index >= end ? index - m_composition.size() : std::min(index, m_compAt);
    }
    if (m_mask == 0) {
        return index;
    }
    std::string one;
    utf8::Append(one, m_mask);
    return m_model.OffsetOf(static_cast<int>(index / one.size()));
}

void InlineEditor::Refresh()
{
    std::string display = m_mask ? utf8::Repeat(m_mask, m_model.Length()) : m_model.GetText();
    size_t from = 0;
    size_t to = 0;
    if (!m_composition.empty()) {
        m_compAt = ToDisplay(m_model.GetCaret());
        display.insert(m_compAt, m_composition);
        from = m_compAt;
        to = m_compAt + m_composition.size();
    }
    bool multi = m_model.IsMultiLine();
    m_layout->Set(display, m_font, multi ? std::max(1, m_rect.Width()) : 0, !multi, from, to);
}

size_t InlineEditor::CaretDisplayIndex() const
{
    if (m_composition.empty()) {
        return ToDisplay(m_model.GetCaret());
    }
    // Inside the composition the input method says where its cursor is (in code points).
    size_t offset = 0;
    for (int i = 0; i < m_compCursor && offset < m_composition.size(); ++i) {
        size_t n = 1;
        utf8::Decode(m_composition, offset, &n);
        offset += n;
    }
    return m_compAt + offset;
}

CPoint InlineEditor::Origin() const
{
    if (m_model.IsMultiLine()) {
        return CPoint(m_rect.left - m_scroll.x, m_rect.top - m_scroll.y);
    }
    int x = m_rect.left;
    // One pixel stays free for a caret after the last character.
    int room = m_rect.Width() - 1 - m_layout->Size().cx;
    if (room > 0) {
        x += m_align == DT_CENTER ? room / 2 : m_align == DT_RIGHT ? room : 0;
    }
    int y = m_rect.top + (m_rect.Height() - m_layout->LineHeight()) / 2;
    return CPoint(x - m_scroll.x, y);
}

void InlineEditor::KeepCaretVisible()
{
    // A single line at rest shows its start.
    if (!m_active && !m_model.IsMultiLine()) {
        return;
    }
    size_t at = CaretDisplayIndex();
    CRect caret = m_layout->CaretRect(at);
    CSize size = m_layout->Size();
    if (m_model.IsMultiLine()) {
        int h = m_rect.Height();
        if (caret.top < m_scroll.y) {
            m_scroll.y = caret.top;
        } else if (caret.bottom > m_scroll.y + h) {
            m_scroll.y = caret.bottom - h;
        }
        m_scroll.y = std::clamp(m_scroll.y, 0, std::max(0, size.cy - h));
        return;
    }
    int w = m_rect.Width();
    int needed = size.cx + 1;
    if (needed <= w) {
        m_scroll.x = 0;
        return;
    }
    if (caret.left < m_scroll.x) {
        m_scroll.x = caret.left;
    } else if (caret.left >= m_scroll.x + w) {
        m_scroll.x = caret.left - w + 1;
    }
    m_scroll.x = std::clamp(m_scroll.x, 0, needed - w);
}

void InlineEditor::UpdateCaret()
{
    PaintManager* pm = m_host ? m_host->GetManager() : nullptr;
    if (!m_active || !pm) {
        return;
    }
    CRect caret = m_layout->CaretRect(CaretDisplayIndex());
    caret.OffsetRect(Origin());
    caret.top = std::max(caret.top, m_rect.top);
    caret.bottom = std::min(caret.bottom, m_rect.bottom);
    bool visible = caret.left >= m_rect.left && caret.left < m_rect.right && caret.bottom > caret.top;
    pm->CreateCaret(m_host, 1, std::max(1, caret.Height()), m_textColor);
    pm->SetCaretPos(caret.TopLeft());
    pm->ShowCaret(visible);
    // The input method's window follows the caret; moving it mid-composition would reset it.
    if (m_composition.empty() && caret != m_imeRect) {
        m_imeRect = caret;
        pm->SetTextInputControl(m_host, caret);
    }
}

void InlineEditor::Repaint()
{
    if (m_host) {
        m_host->UpdateControl(m_rect, false, false);
    }
}

void InlineEditor::Draw(HDC hdc)
{
    if (!hdc || m_rect.IsRectEmpty()) {
        return;
    }
    cairo_save(hdc);
    cairo_rectangle(hdc, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height());
    cairo_clip(hdc);
    if (m_active && (m_backColor >> 24) != 0) {
        MRender::FillSolidRect(hdc, m_rect, m_backColor);
    }
    CPoint o = Origin();
    if (m_active && m_model.HasSelection() && m_composition.empty()) {
        for (CRect r : m_layout->RangeRects(ToDisplay(m_model.SelStart()), ToDisplay(m_model.SelEnd()))) {
            r.OffsetRect(o);
            MRender::DrawColor(hdc, r, m_selColor);
        }
    }
    m_layout->Draw(hdc, o.x, o.y, m_textColor);
    cairo_restore(hdc);
}

} // namespace lumo
