#pragma once

// A picture in a frame that can be clicked like a button: a frame strip drawn as a nine-grid
// over the control, one frame slice per button state, and the photo (SetImage, fitted by its
// show mode as MPicture's) over the frame's middle. NOTIFY_PRESS on the press, NOTIFY_CLICK on the release
// inside after it.

#include "lumoui/MButton.h"

namespace lumo {

class CPhotoFrame : public MButton {
public:
    CPhotoFrame(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    // The frame strip (`count` slices) and its border width; the photo fills the control
    // inset by that width. False when the file cannot be loaded.
    bool SetPhotoFrame(const std::string& fileName, int edge = 6, int count = 4);
    int GetFrameEdge() const { return m_edge; }
    // As MPicture::SetShowMode; the photo starts stretched (mode 2).
    void SetShowMode(int mode, int edge = 0);
    int GetShowMode() const { return m_mode; }

protected:
    void DrawSlot(HDC dc, int slot, const CRect& rect) override;

private:
    ImageStrip m_frame;
    int m_edge = 0;
    int m_mode = 2;
    int m_modeEdge = 0;
};

} // namespace lumo
