#pragma once

// A check box: an 8-slice strip (four unchecked states, then the four checked ones) drawn
// at its natural size at the left edge, the title 8 pixels right of it. A click toggles the
// check and sends NOTIFY_CLICK (0, 0); Space while focused, or the hot key, toggles it and
// sends NOTIFY_CHECK (0, new check).

#include "lumoui/MButton.h"

namespace lumo {

class CCheckButton : public MButton {
public:
    CCheckButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);

    // Nothing on a disabled button; otherwise sets the check, repainting when it changed.
    // Returns the check.
    bool SetCheck(bool check);
    bool GetCheck() const { return m_check; }
    // The state as one number: 0-3 unchecked, 4-7 checked (normal, hover, pressed, disabled).
    int GetCheckState() const { return m_state + (m_check ? kCheckedStateOffset : 0); }

    bool OnControlKeyDown(UINT vk, UINT repeat, UINT flags) override;

protected:
    int GetSlotCount() const override { return kCheckStateCount; }
    int GetShownSlot() const override { return GetCheckState(); }
    void DrawSlot(HDC dc, int slot, const CRect& rect) override;
    void OnPress() override { }
    void OnClick() override;
    // What a click or a key does to the check: a check box toggles it.
    virtual void Activate();
    // Sets the check, whatever the enabled state; a radio button checking itself also
    // unchecks its group.
    virtual void ApplyCheck(bool check);
    // Only the flag, repainting when it changed.
    void SetCheckFlag(bool check);

    static constexpr int kTitleGap = 8;
    static constexpr ARGB kDisabledCheckText = 0xFE808080;

    bool m_check = false;
};

} // namespace lumo
