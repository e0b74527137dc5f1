#pragma once

// The scrolling container: owns children in its two layers, builds them by class name through
// the container factory, and scrolls content that is larger than the panel.
//
// Content: SetVirtualSize gives the content's width and height (0 = no larger than the panel).
// Children keep their content rects in window coordinates, laid out from the panel's top-left
// corner as if nothing were scrolled. While scrolling is on and the content is larger, the
// vertical offset is (top + content height - bottom) x position / range of the vertical bar
// (0 for a range that is not positive), the horizontal one likewise; mouse points are shifted
// by the offsets before they reach the children, and the children are drawn shifted back and
// clipped to the panel. The panel's own scroll bars (IDs 1 and 2, so those IDs are reserved
// inside panels) get unshifted points and are laid along the right and bottom edges.
//
// Notifications of children are passed on to the panel's parent unchanged; a move of the
// panel's own bars repaints the panel first. The wheel moves the vertical bar one step.

#include "lumoui/MControlFont.h"
#include "lumoui/MScroll.h"

namespace lumo {

class MPanel : public MControlFont {
public:
    MPanel(MObject* parent, UINT id, CRect rect, int visible);
    ~MPanel() override;

    // Container factory (the container class list): this panel is the new child's owner.
    // Kind 0 appends to the area layer, 1 to the control layer, anything else leaves the
    // child with the caller. The child is initialised when the panel has a manager already.
    virtual MControl* CreateArea(
        const char* className, UINT id, CRect rect, const char* title = nullptr, int a = 1, int b = 1);
    virtual MControl* CreateControl(int kind, MObject* parent, const char* className, UINT id, CRect rect,
        const char* title, int a, int b);
    virtual MControl* CreateControl(
        const char* className, UINT id, CRect rect, const char* title = nullptr, int a = 1, int b = 1);
    virtual bool OnControlKeyUp(UINT vk, UINT repeat, UINT flags);

    // Initialises the scroll bars and every child created before the panel had a manager.
    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC& hdc, CRect clip) override;
    bool DrawSubControls(HDC& hdc, CRect clip) override;
    bool OnMousePointChange(CPoint& pt) override;
    // Content rects of children show shifted by the scroll offset, clipped to the view.
    CRect MapChildRect(const MControl* child, CRect rect) const override;
    bool OnControlScroll(bool vertical, UINT down, CPoint pt) override;
    LRESULT OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam) override;
    // Lays the scroll bars along the right and bottom edges.
    void SetControlRect(CRect rect) override;
    // Hiding a panel keeps its children's own visibility (so a page that is shown again shows
    // exactly what it showed before); only windows and editors they own are told, and the
    // keyboard focus leaves a control inside it.
    void SetControlVisible(bool visible) override;
    void SetControlWndVisible(bool visible) override;
    void SetControlEnabled(bool enabled) override;

    MScroll* GetScrollVertical() const { return m_vscroll; }
    MScroll* GetScrollHorizontal() const { return m_hscroll; }
    // Content size; updates both bars (range = content length, page = visible length, shown
    // while scrolling is on and the content is larger than the panel).
    void SetVirtualSize(int width, int height);
    CSize GetVirtualSize() const { return CSize(m_virtualWidth, m_virtualHeight); }
    void EnableScroll(bool enable);
    bool IsScrollEnabled() const { return m_scrollEnabled; }
    int GetScrollBarSize() const { return m_barSize; }
    void SetScrollBarSize(int size);
    // How far the content is scrolled (x right, y down); (0, 0) while it fits.
    CPoint GetScrollOffset() const;
    // True while scrolling is on and the content is larger than the panel along some axis.
    bool IsScrolling() const;
    // The panel's rect without the scroll bars that are shown.
    CRect GetViewRect() const;

protected:
    // Shows, hides and sizes the bars for the current content and rect.
    void UpdateScrollBars();
    // Draws the children except the scroll bars (shifted by the offset when scrolled).
    void DrawContent(HDC& hdc, CRect clip);
    void DrawScrollBars(HDC& hdc, CRect clip);
    bool IsScrollBar(const MControl* control) const { return control == m_vscroll || control == m_hscroll; }
    // True for the panel itself and every control inside it.
    bool Holds(const MControl* control) const;

    MScroll* m_vscroll = nullptr; // parts of the panel, owned through the control layer
    MScroll* m_hscroll = nullptr;
    int m_barSize = 7;
    bool m_scrollEnabled = true;
    int m_virtualWidth = 0;
    int m_virtualHeight = 0;
};

} // namespace lumo
