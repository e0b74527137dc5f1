#pragma once

// A combo-looking button that shows a colour: the face of a combo box (image strip or drawn
// box with its arrow part) with the colour filling the text area. It behaves as a button
// (NOTIFY_PRESS on press, NOTIFY_CLICK on a release inside after it); the program opens its
// own picker on the click and marks the control open meanwhile (SetIsOpen), which shows the
// pressed face. It is not in the factory lists: construct it and attach it with
// PaintManager::AddControl.

#include "lumoui/MControlFont.h"
#include "lumoui/PressStates.h"

namespace lumo {

class CColorCombo : public MControlFont {
public:
    CColorCombo(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    // COLORREF 0x00BBGGRR; repaints when it changes.
    void SetAreaColor(COLORREF color);
    COLORREF GetAreaColor() const { return m_color; }
    void SetIsOpen(bool open);
    bool IsOpen() const { return m_open; }
    int GetState() const;
    // The colour area: 6 pixels in, the 30-pixel arrow part left free.
    CRect GetAreaRect() const;

    void DrawControl(HDC& hdc, CRect clip) override;
    void SetControlEnabled(bool enabled) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;

private:
    COLORREF m_color = 0xFFFFFF;
    bool m_open = false;
    PressStates m_states;
};

} // namespace lumo
