#include "lumoui/MText.h"

#include "controls/SlotCache.h"
#include "lumoui/MRender.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr UINT kScrollBarId = 1;
constexpr UINT kSingleLineFlags = StringFormatFlagsNoWrap | StringFormatFlagsMeasureTrailingSpaces;
constexpr UINT kMultiLineFlags = StringFormatFlagsNoClip | StringFormatFlagsMeasureTrailingSpaces;

// Byte offset of code point `index` in a UTF-8 text (the end when it is past the end).
size_t ByteOffsetOf(const std::string& text, int index)
{
    size_t pos = 0;
    for (int i = 0; i < index && pos < text.size(); ++i) {
        ++pos;
        while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) {
            ++pos;
        }
    }
    return pos;
}

} // namespace

MText::MText(MObject* parent, UINT id, CRect rect, const char* title, int visible)
    : MControlFont(parent, id, rect, visible != 0, false)
{
    m_title = title ? title : "";
}

void MText::SetMarkText(const std::string& mark, ARGB color, int start)
{
    m_mark = mark;
    m_markColor = color;
    m_markStart = std::max(0, start);
    UpdateControl(true);
}

void MText::SetTitleMarkText(const std::string& title, const std::string& mark, ARGB color, int start)
{
    SetControlTitle(title);
    SetMarkText(mark, color, start);
}

void MText::SetOption(bool& option, bool value)
{
    if (option != value) {
        option = value;
        UpdateControl(true);
    }
}

void MText::EnableMultiLine(bool enable) { SetOption(m_multiLine, enable); }
void MText::EnableVCenter(bool enable) { SetOption(m_vCenter, enable); }

void MText::EnableShadow(bool enable, ARGB color)
{
    m_shadowColor = color;
    SetOption(m_shadow, enable);
}

void MText::EnableTextBack(bool enable, ARGB color)
{
    m_backColor = color;
    SetOption(m_textBack, enable);
}

MText::Pieces MText::SplitTitle() const
{
    Pieces p;
    size_t found = m_mark.empty() ? std::string::npos : m_title.find(m_mark, ByteOffsetOf(m_title, m_markStart));
    if (found == std::string::npos) {
        p.before = m_title;
        return p;
    }
    p.before = m_title.substr(0, found);
    p.mark = m_mark;
    p.after = m_title.substr(found + m_mark.size());
    return p;
}

LRESULT MText::OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam)
{
    if (controlID == kScrollBarId) {
        UpdateControl(true);
        return 0;
    }
    return MControlFont::OnBaseMessage(controlID, code, wParam, lParam);
}

bool MText::OnCheckMouseResponse(UINT, CPoint) { return true; }

void MText::DrawControl(HDC& hdc, CRect)
{
    DrawSlotCache(*this, hdc, 1, 0, [this](HDC dc, int, const CRect& rect) {
        if (m_textBack) {
            MRender::DrawColor(dc, rect, m_backColor);
        }
        if (GetImage()) {
            CSize slice = GetImageSize();
            DrawSliceAt(dc, 0, CPoint(rect.left, rect.top + (rect.Height() - slice.cy) / 2));
        }
        DrawText(dc, TextRect(rect));
    });
}

CRect MText::TextRect(const CRect& rect) const
{
    CRect text = rect;
    if (GetImage()) {
        text.left += GetImageSize().cx + kIconGap;
    }
    MControl* bar = GetControl(kScrollBarId);
    if (bar && bar->IsVisible()) {
        text.right -= kScrollBarWidth;
    }
    return text;
}

void MText::DrawPiece(HDC dc, const std::string& text, const CRect& rect, ARGB color, const StringFormat& format) const
{
    if (text.empty()) {
        return;
    }
    if (m_shadow) {
        CRect shadow = rect;
        shadow.OffsetRect(1, 1);
        MRender::DrawTextW(dc, text, GetFont(), shadow, m_shadowColor, format);
    }
    MRender::DrawTextW(dc, text, GetFont(), rect, color, format);
}

void MText::DrawText(HDC dc, const CRect& rect) const
{
    if (m_multiLine) {
        UINT v = m_vCenter ? DT_VCENTER : DT_TOP;
        DrawPiece(dc, m_title, rect, m_textColor, StringFormat::FromDT(m_hAlign, v, kMultiLineFlags));
        return;
    }
    Pieces pieces = SplitTitle();
    if (pieces.mark.empty()) {
        DrawPiece(dc, m_title, rect, m_textColor, StringFormat::FromDT(m_hAlign, m_vAlign, kSingleLineFlags));
        return;
    }
    // Three pieces measured with the control's font, placed as one text by the alignment.
    const MFont font = GetFont();
    const std::string* texts[] = { &pieces.before, &pieces.mark, &pieces.after };
    const ARGB colors[] = { m_textColor, m_markColor, m_textColor };
    CSize sizes[3];
    CSize total;
    for (int i = 0; i < 3; ++i) {
        sizes[i] = texts[i]->empty() ? CSize() : MRender::GetTextBounds(*texts[i], font);
        total.cx += sizes[i].cx;
        total.cy = std::max(total.cy, sizes[i].cy);
    }
    int x = MRender::GetOriginPoint(rect, total, m_hAlign, m_vAlign).x;
    const StringFormat format = StringFormat::FromDT(DT_LEFT, m_vAlign, kSingleLineFlags | StringFormatFlagsNoClip);
    for (int i = 0; i < 3; ++i) {
        DrawPiece(dc, *texts[i], CRect(x, rect.top, x + sizes[i].cx, rect.bottom), colors[i], format);
        x += sizes[i].cx;
    }
}

LUMO_REGISTER_CONTROL(MText, kWindowFactory | kContainerFactory)

} // namespace lumo
