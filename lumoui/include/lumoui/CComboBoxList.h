#pragma once

// The list inside a combo box's drop-down: one 30-pixel row per item, the row under the
// mouse (or picked with the keys) highlighted, a thin scroll thumb at the right when the
// items do not fit. Choosing a row (a click, or Enter on the highlighted row) sends
// NOTIFY_CLICK (row index, 19) to the owner.
//   keys: Up/Down, Home/End, PageUp/PageDown move the highlight; Enter chooses
//   wheel: one row a notch; the thumb can be dragged, a press beside it pages

#include "lumoui/ControlFactory.h"
#include "lumoui/MControlFont.h"

#include <string>
#include <vector>

namespace lumo {

struct ComboItem {
    std::string text;
    std::string secondText;
    ARGB colour = 0; // drawn as a swatch before the text when not fully transparent
    long data = 0;
    CRect rect; // where the row was drawn last (window coordinates)
};

class CComboBoxList : public MControlFont {
public:
    static constexpr int kRowHeight = 30;
    static constexpr LPARAM kChosen = 19;

    CComboBoxList(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    void SetItems(std::vector<ComboItem> items);
    const std::vector<ComboItem>& GetItems() const { return m_items; }
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    // The combo's selection: marked, highlighted at first and scrolled into view.
    void SetCurSel(int index);
    int GetCurSel() const { return m_curSel; }
    // The highlighted row (-1 for none).
    int GetHotItem() const { return m_hot; }
    void SetHotItem(int index);
    // First row shown, clamped so the last page stays full.
    int GetTopIndex() const { return m_top; }
    void SetTopIndex(int index);
    int VisibleRows() const;
    // Row under a point, -1 outside the rows.
    int ItemAt(CPoint pt) const;
    CRect GetThumbRect() const;

    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC& hdc, CRect clip) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    bool OnControlScroll(bool vertical, UINT down, CPoint pt) override;
    bool OnControlKeyDown(UINT vk, UINT repeat, UINT flags) override;

private:
    bool HasThumb() const { return GetItemCount() > VisibleRows(); }
    int RowsWidth() const;
    void Choose(int index);
    void DrawRow(HDC hdc, int index, const CRect& row);
    void DrawThumb(HDC hdc);

    std::vector<ComboItem> m_items;
    int m_curSel = -1;
    int m_hot = -1;
    int m_top = 0;
    int m_pressedRow = -1;
    bool m_draggingThumb = false;
    int m_dragOffset = 0;
    const ImgResInfo* m_thumbImage = nullptr; // owned by the window's image cache
};

} // namespace lumo
