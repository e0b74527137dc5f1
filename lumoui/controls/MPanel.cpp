#include "lumoui/MPanel.h"

#include "controls/ChildManager.h"
#include "lumoui/MRender.h"
#include "lumoui/Messages.h"
#include "lumoui/PaintManager.h"

#include <cstdint>
#include <memory>

namespace lumo {

namespace {

constexpr UINT kVerticalBarId = 1;
constexpr UINT kHorizontalBarId = 2;
// Where a point over a shown scroll bar is sent for the content: nowhere any child can be.
constexpr int kNowhere = -1000000;

struct CairoDeleter {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

int ScaledOffset(int extra, const MScroll* bar)
{
    int range = bar->GetRange();
    return range > 0 ? static_cast<int>(static_cast<int64_t>(extra) * bar->GetScrollCurrentPos() / range) : 0;
}

} // namespace

MPanel::MPanel(MObject* parent, UINT id, CRect rect, int visible)
    : MControlFont(parent, id, rect, visible != 0, true)
{
    m_vscroll = new CScrollVertical(this, kVerticalBarId, CRect(), 0);
    m_hscroll = new CScrollHorizontal(this, kHorizontalBarId, CRect(), 0);
    AddPart(m_vscroll);
    AddPart(m_hscroll);
    UpdateScrollBars();
}

MPanel::~MPanel() = default;

// Factory -----------------------------------------------------------------------------------------

MControl* MPanel::CreateArea(const char* className, UINT id, CRect rect, const char* title, int a, int b)
{
    return CreateChildControl(0, this, className, id, rect, title, a, b);
}

MControl* MPanel::CreateControl(
    int kind, MObject* parent, const char* className, UINT id, CRect rect, const char* title, int a, int b)
{
    return CreateChildControl(kind, parent, className, id, rect, title, a, b);
}

MControl* MPanel::CreateControl(const char* className, UINT id, CRect rect, const char* title, int a, int b)
{
    return CreateChildControl(1, this, className, id, rect, title, a, b);
}

bool MPanel::OnControlKeyUp(UINT, UINT, UINT)
{
    return false;
}

void MPanel::InitControl(PaintManager* manager)
{
    GiveManagerToChildren(*this, manager);
}

// Scrolling ---------------------------------------------------------------------------------------

bool MPanel::IsScrolling() const
{
    return m_scrollEnabled && (m_virtualHeight > m_rect.Height() || m_virtualWidth > m_rect.Width());
}

CPoint MPanel::GetScrollOffset() const
{
    CPoint offset;
    if (!m_scrollEnabled) {
        return offset;
    }
    if (m_virtualHeight > m_rect.Height()) {
        offset.y = ScaledOffset(m_rect.top + m_virtualHeight - m_rect.bottom, m_vscroll);
    }
    if (m_virtualWidth > m_rect.Width()) {
        offset.x = ScaledOffset(m_rect.left + m_virtualWidth - m_rect.right, m_hscroll);
    }
    return offset;
}

CRect MPanel::GetViewRect() const
{
    CRect view = m_rect;
    if (m_vscroll->IsVisible()) {
        view.right -= m_barSize;
    }
    if (m_hscroll->IsVisible()) {
        view.bottom -= m_barSize;
    }
    return view;
}

void MPanel::UpdateScrollBars()
{
    bool vertical = m_scrollEnabled && m_virtualHeight > m_rect.Height();
    bool horizontal = m_scrollEnabled && m_virtualWidth > m_rect.Width();
    int t = m_barSize;
    m_vscroll->SetControlRect(
        CRect(m_rect.right - t, m_rect.top, m_rect.right, m_rect.bottom - (horizontal ? t : 0)));
    m_hscroll->SetControlRect(
        CRect(m_rect.left, m_rect.bottom - t, m_rect.right - (vertical ? t : 0), m_rect.bottom));
    m_vscroll->SetScrollInfo(m_virtualHeight, m_rect.Height());
    m_hscroll->SetScrollInfo(m_virtualWidth, m_rect.Width());
    m_vscroll->SetControlVisible(vertical);
    m_hscroll->SetControlVisible(horizontal);
}

void MPanel::SetVirtualSize(int width, int height)
{
    m_virtualWidth = std::max(0, width);
    m_virtualHeight = std::max(0, height);
    UpdateScrollBars();
    UpdateControl(true);
}

void MPanel::EnableScroll(bool enable)
{
    if (enable == m_scrollEnabled) {
        return;
    }
    m_scrollEnabled = enable;
    UpdateScrollBars();
    UpdateControl(true);
}

void MPanel::SetScrollBarSize(int size)
{
    m_barSize = std::max(1, size);
    UpdateScrollBars();
    UpdateControl(true);
}

void MPanel::SetControlRect(CRect rect)
{
    MControlFont::SetControlRect(rect);
    UpdateScrollBars();
}

bool MPanel::OnMousePointChange(CPoint& pt)
{
    // A point over a shown bar belongs to the bar alone, even where content lies beneath it.
    if ((m_vscroll->IsVisible() && m_vscroll->GetRect().PtInRect(pt))
        || (m_hscroll->IsVisible() && m_hscroll->GetRect().PtInRect(pt))) {
        pt = CPoint(kNowhere, kNowhere);
        return true;
    }
    CPoint offset = GetScrollOffset();
    pt.Offset(offset.x, offset.y);
    return offset != CPoint();
}

CRect MPanel::MapChildRect(const MControl* child, CRect rect) const
{
    CPoint offset = GetScrollOffset();
    if (IsScrollBar(child) || offset == CPoint()) {
        return rect;
    }
    rect.OffsetRect(-offset.x, -offset.y);
    CRect shown;
    shown.IntersectRect(rect, GetViewRect());
    return shown;
}

bool MPanel::OnControlScroll(bool vertical, UINT down, CPoint)
{
    MScroll* bar = vertical ? m_vscroll : m_hscroll;
    if (!m_scrollEnabled || !bar->IsVisible() || !bar->IsUsable()) {
        return false;
    }
    if (bar->ScrollRow(down != 0)) {
        UpdateControl(true);
    }
    return true;
}

LRESULT MPanel::OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam)
{
    if (code == NOTIFY_POSITION && (controlID == kVerticalBarId || controlID == kHorizontalBarId)) {
        UpdateControl(true);
    }
    return MControlFont::OnBaseMessage(controlID, code, wParam, lParam);
}

// State -------------------------------------------------------------------------------------------

bool MPanel::Holds(const MControl* control) const
{
    for (const MObject* o = control; o;) {
        if (o == this) {
            return true;
        }
        auto* c = dynamic_cast<const MControl*>(o);
        o = c ? c->GetParantObject() : nullptr;
    }
    return false;
}

void MPanel::SetControlVisible(bool visible)
{
    MControlFont::SetControlVisible(visible);
    // A control on a hidden page keeps neither the keyboard focus nor an open editor.
    if (!visible && m_manager && Holds(m_manager->GetFocusControl())) {
        m_manager->SetFocusControl(nullptr);
    }
    SetControlWndVisible(visible);
}

void MPanel::SetControlWndVisible(bool visible)
{
    for (MControl* child : GetControls()) {
        child->SetControlWndVisible(visible && child->IsVisible());
    }
}

void MPanel::SetControlEnabled(bool enabled)
{
    MControlFont::SetControlEnabled(enabled);
    for (MControl* child : GetControls()) {
        child->SetControlEnabled(enabled);
    }
}

// Drawing -----------------------------------------------------------------------------------------

void MPanel::DrawControl(HDC&, CRect) { }

bool MPanel::DrawSubControls(HDC& hdc, CRect clip)
{
    DrawContent(hdc, clip);
    DrawScrollBars(hdc, clip);
    return true;
}

void MPanel::DrawScrollBars(HDC& hdc, CRect clip)
{
    for (MScroll* bar : { m_vscroll, m_hscroll }) {
        if (bar->IsVisible()) {
            bar->Draw(hdc, clip);
        }
    }
}

void MPanel::DrawContent(HDC& hdc, CRect clip)
{
    CPoint offset = GetScrollOffset();
    if (offset == CPoint()) {
        for (MControl* child : GetControls()) {
            if (!IsScrollBar(child) && child->IsVisible()) {
                child->Draw(hdc, clip);
            }
        }
        return;
    }
    CRect view;
    if (!view.IntersectRect(GetViewRect(), clip)) {
        return;
    }
    // The children draw in content coordinates into a bitmap of the visible part, whose
    // device offset maps content to view: drawing and the background copies controls take
    // of what lies under them both land in the right place.
    MemDC scratch;
    if (!scratch.Create(view.Width(), view.Height())) {
        return;
    }
    MRender::BitBlt(
        scratch.GetDC(), 0, 0, view.Width(), view.Height(), MRender::GetTarget(hdc), view.left, view.top);
    cairo_surface_flush(scratch.GetSurface());
    cairo_surface_set_device_offset(scratch.GetSurface(), -(view.left + offset.x), -(view.top + offset.y));
    {
        std::unique_ptr<cairo_t, CairoDeleter> content(cairo_create(scratch.GetSurface()));
        HDC dc = content.get();
        CRect shifted = view;
        shifted.OffsetRect(offset);
        for (MControl* child : GetControls()) {
            if (!IsScrollBar(child) && child->IsVisible()) {
                child->Draw(dc, shifted);
            }
        }
    }
    cairo_surface_flush(scratch.GetSurface());
    cairo_surface_set_device_offset(scratch.GetSurface(), 0, 0);
    MRender::BitBlt(hdc, view.left, view.top, view.Width(), view.Height(), scratch.GetSurface(), 0, 0);
}

} // namespace lumo
