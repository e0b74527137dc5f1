#pragma once

// An MEdit that draws its own flat frame instead of an image strip: a fill and a 1-pixel
// border whose colour follows the state (normal, hover, editing, disabled). Behaviour and
// notifications are those of MEdit.

#include "lumoui/MEdit.h"

namespace lumo {

class MEditEx : public MEdit {
public:
    MEditEx(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);

    void SetFillColor(ARGB fill);
    // Border colours for normal / hover / editing; disabled uses the normal one, dimmed.
    void SetBorderColor(ARGB normal, ARGB hover, ARGB editing);

protected:
    void DrawFrame(HDC hdc, int state, const CRect& dest) override;

    ARGB m_fill = 0xFF1E1A14;
    ARGB m_border[3] = { 0xFF555028, 0xFF8A8450, 0xFF007ACC };
};

} // namespace lumo
