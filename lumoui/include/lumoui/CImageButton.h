#pragma once

// A push button that can show a balloon tip below itself while the mouse is over it.

#include "lumoui/MButton.h"

namespace lumo {

class CImageButton : public MButton {
public:
    CImageButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);
    ~CImageButton() override;

    // The balloon text shown while hovered (empty = no balloon) and where its anchor sits
    // below the button: type 0 left, 1 centre, 2 right; type 4 keeps the balloon up until
    // the mouse leaves instead of hiding it after a while.
    void SetAirBladderInfo(const std::string& text, UINT type = 1);
    const std::string& GetAirBladderInfo() const { return m_balloonText; }
    // Placement of the balloon relative to its anchor (default 3, below it).
    void SetAlrBladderMode(int mode) { m_balloonMode = mode; }
    int GetAlrBladderMode() const { return m_balloonMode; }

protected:
    void OnHoverChanged(bool hot) override;

private:
    void ShowBalloon();
    void HideBalloon();

    std::string m_balloonText;
    UINT m_balloonType = 1;
    int m_balloonMode = 3;
    bool m_balloonShown = false;
};

} // namespace lumo
