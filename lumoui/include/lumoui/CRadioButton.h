#pragma once

// A radio button (class name "RadioButton"): drawn like a check box; a click or Space sets
// the check instead of toggling it. Checking a radio button unchecks every other radio
// button of its owner's control layer with the same group name, hidden and disabled ones
// included.

#include "lumoui/CCheckButton.h"

namespace lumo {

class CRadioButton : public CCheckButton {
public:
    CRadioButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);

    const char* GetClassNameW() const override { return "RadioButton"; }

    void SetGroupName(const std::string& group) { m_group = group; }
    const std::string& GetGroupName() const { return m_group; }

protected:
    void Activate() override;
    void ApplyCheck(bool check) override;

private:
    std::string m_group;
};

} // namespace lumo
