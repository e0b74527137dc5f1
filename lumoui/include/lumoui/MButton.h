#pragma once

// The push button and the base of the button family: a 4-slice image strip drawn as a
// nine-grid (edge 10) with the title centred on it, and the state machine every button
// shares:
//   move (enabled, not pressed)  -> hover inside, normal outside; hand cursor inside
//   press inside (enabled)       -> pressed, NOTIFY_PRESS
//   release inside               -> hover, NOTIFY_CLICK only when the press started here
//   release outside              -> normal, nothing sent
//   disable / enable             -> disabled / normal
// A state change only copies another slot of the cached rendering to the window.

#include "lumoui/ButtonState.h"
#include "lumoui/ControlFactory.h"
#include "lumoui/ImageStrip.h"
#include "lumoui/MControlFont.h"

#include <string>

namespace lumo {

class MButton : public MControlFont {
public:
    MButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);

    // An icon strip drawn left of the title (the pair centred together; the icon alone when
    // the title is empty); slice = button state, the last slice for states beyond the strip.
    // False before the control has a manager or when the file cannot be loaded.
    bool SetIconImage(const std::string& fileName, int count);
    int GetState() const { return m_state; }

    void DrawControl(HDC& hdc, CRect clip) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    void SetControlEnabled(bool enabled) override;

protected:
    // A changed state repaints from the cache (no rebuild).
    void SetState(int state);
    bool IsHot() const { return m_state == BUTTON_HOVER || m_state == BUTTON_PRESSED; }

    // What the press and the completed click do; the defaults send NOTIFY_PRESS and
    // NOTIFY_CLICK (0, 0). They run last in their handler: the owner may delete the control.
    virtual void OnPress();
    virtual void OnClick();
    // The mouse came over the control (hover or pressed) or left it.
    virtual void OnHoverChanged(bool hot);

    // The cache layout: how many renderings, which one is shown, how one is drawn.
    virtual int GetSlotCount() const { return kButtonStateCount; }
    virtual int GetShownSlot() const { return m_state; }
    // Slice `slot` as a nine-grid and the icon and title over it (grey when disabled,
    // shifted by one pixel when pressed).
    virtual void DrawSlot(HDC dc, int slot, const CRect& rect);
    // The icon and the title placed in `rect` by the control's alignment.
    void DrawIconAndTitle(HDC dc, int slot, const CRect& rect, ARGB color) const;
    // The text drawn as the title (the title unless a subclass adds to it).
    virtual std::string GetDrawnTitle() const { return m_title; }

    static constexpr int kFrameEdge = 10;
    static constexpr ARGB kDisabledText = 0xFF808080;

    int m_state = BUTTON_NORMAL;
    ImageStrip m_icon;
};

} // namespace lumo
