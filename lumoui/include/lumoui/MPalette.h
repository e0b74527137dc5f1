#pragma once

// A hue/lightness field with a saturation bar beside it, computed in HSL.
//   state: hue H (0-360, default 180), saturation index S (0-200, default 200), lightness
//   index L (20-200, default 120); the colour is HSL(H / 360, S / 200, L / 200)
//   layout: the field (left, top, right - 38, top + field height), the bar
//   (right - 32, top, right, top + field height) with its gradient in the left 16 pixels and
//   the thumb image to the right of them, centred on the row of S
//   input: a press or drag in the field sets H and L (and moves the marker), on the bar S
//   notifications: NOTIFY_COLOR (colour, 0) when a press or a drag in the field changes the
//   colour; NOTIFY_COLOR (0, 0) while dragging on the bar changes it

#include "lumoui/ControlFactory.h"
#include "lumoui/MPanel.h"

namespace lumo {

class MPalette : public MPanel {
public:
    static constexpr int kBarWidth = 16;
    static constexpr int kFieldRightGap = 38;
    static constexpr int kBarRightSpace = 16;
    static constexpr int kDefaultHeight = 150;
    // The off-screen picture: the field in columns 0-359, the bar from column 370, 200 rows.
    static constexpr int kBitmapRows = 200;
    static constexpr int kBarColumn = 370;
    static constexpr int kMinLightness = 20;
    static constexpr ARGB kMarkerColor = 0xFEFFFFFF;
    static constexpr ARGB kMarkerShade = 0xFE808080;
    static constexpr ARGB kDisabledVeil = 0x0A808080;

    MPalette(MObject* parent, UINT id, CRect rect, int visible, int enabled = 1);
    ~MPalette() override;

    COLORREF GetSelectColor() const;
    // Converts to HSL and moves the marker and the bar thumb; no notification.
    void SetSelectColor(COLORREF color);
    // A one-slice picture from the skin folder. False without a window or when it does not load.
    bool SetThumbImage(const std::string& fileName);
    // Height of the field and the bar (at least 1).
    void SetPalletHeight(int height);
    int GetPalletHeight() const { return m_fieldHeight; }

    int GetHue() const { return m_hue; }
    int GetSaturation() const { return m_sat; }
    int GetLightness() const { return m_light; }
    CRect GetFieldRect() const;
    CRect GetBarRect() const;
    CPoint GetMarkerPoint() const { return m_marker; }
    // The row the bar thumb is centred on.
    int GetThumbRow() const;

    void DrawControl(HDC& hdc, CRect clip) override;
    void SetControlRect(CRect rect) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;

private:
    enum class Drag { None, Field, Bar };

    void BuildField();
    void BuildBar();
    void PlaceMarker();
    void PickField(CPoint pt);
    void PickBar(CPoint pt);
    // Sends NOTIFY_COLOR when the colour differs from the one last reported: (colour, 0), or
    // (0, 0) while the bar is dragged.
    void Report(bool withColour);

    MImagePtr m_bitmap; // the field and the bar
    int m_hue = 180;
    int m_sat = 200;
    int m_light = 120;
    int m_fieldHeight = kDefaultHeight;
    CPoint m_marker;
    MImagePtr m_thumb;
    COLORREF m_reported = 0;
    Drag m_drag = Drag::None;
};

} // namespace lumo
