#pragma once

// A picture (one slice of a skin image) fitted into the control by its show mode:
//   0 natural size, placed by the alignment (left/centre/right, top/centre/bottom)
//   1 tiled from the top-left corner, the last row and column cut
//   2 stretched over the control
//   3 nine-grid with one edge            4 nine-grid with four edges (SetShowModeMID)
//   5 the part set by SetCustomRect, stretched over the control
// Pictures take no mouse presses: a press on one belongs to what lies below (such as
// dragging the window).

#include "lumoui/ControlFactory.h"
#include "lumoui/MControlFont.h"

namespace lumo {

struct PictureFit;

class MPicture : public MControlFont {
public:
    MPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~MPicture() override;

    // Nothing when the mode is the current one (for mode 3: and the edge too).
    void SetShowMode(int mode, int edge = 0);
    int GetShowMode() const;
    // The four edges of mode 4; switches to mode 4.
    void SetShowModeMID(int left, int top, int right, int bottom);
    // The part of the picture mode 5 shows (picture coordinates).
    void SetCustomRect(CRect rect);

    void DrawControl(HDC& hdc, CRect clip) override;
    bool OnCheckMouseResponse(UINT flags, CPoint pt) override;

protected:
    // The picture into `dest`.
    void DrawPictureInto(HDC dc, const CRect& dest) const;

private:
    // The fit of the current settings (the alignment included).
    PictureFit GetFit() const;

    int m_mode = 0;
    int m_edge = 0;
    CRect m_edges;
    CRect m_custom;
};

} // namespace lumo
