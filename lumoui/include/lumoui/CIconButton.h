#pragma once

// A push button with an icon beside its title that can stay down: checked or held down by
// the program, it shows its pressed slice. Buttons with a group name act as a radio group
// (class name "IconButton"): a click checks the button and unchecks the rest of the group.

#include "lumoui/MButton.h"

namespace lumo {

class CIconButton : public MButton {
public:
    CIconButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);

    const char* GetClassNameW() const override { return "IconButton"; }

    // Nothing on a disabled button; checking unchecks the group. Returns the check.
    bool SetCheck(bool check);
    bool GetCheck() const { return m_check; }
    // Shows the pressed slice while `down`, whatever the mouse does.
    void SetDownState(bool down);
    bool GetDownState() const { return m_down; }
    // The tooltip shown while the mouse rests on the button.
    void SetTips(const std::string& text) { SetTooltip(text); }
    void SetGroupName(const std::string& group) { m_group = group; }
    const std::string& GetGroupName() const { return m_group; }

protected:
    int GetShownSlot() const override;
    void OnClick() override;

private:
    // Checking also unchecks the rest of the group.
    void ApplyCheck(bool check);

    bool m_check = false;
    bool m_down = false;
    std::string m_group;
};

} // namespace lumo
