#pragma once

// The key tip of the keyboard picture: a title and two lines in a 190 x 100 box above a
// key. It has no hide timer; its owner hides it, and it hides when it loses activation.

#include "lumoui/MPopupWnd.h"

#include <string>

namespace lumo {

class CKeyboardTips : public MPopupWnd {
public:
    explicit CKeyboardTips(MObject* parent = nullptr);
    ~CKeyboardTips() override;

    // The (hidden) tip window "KeyboardTip Window" owned by `owner`.
    bool CreateTips(HWND owner, const std::string& backgroundImage = "img_tip_bk.png");
    // Nothing when all values equal the current ones; otherwise stores them and, when the
    // title is not empty, moves the window to (x - 95, y - 100), 190 x 100, and repaints.
    void SetAirBladderMsg(const std::string& title, const std::string& line1, const std::string& line2, CPoint pt);

    const std::string& GetTitle() const { return m_title; }

    void InitUI(CRect client) override;
    LRESULT OnNcActivate(bool active) override;

private:
    void DrawTips(HDC& hdc, CRect rect);

    std::string m_title;
    std::string m_line1;
    std::string m_line2;
    CPoint m_anchor;
    std::string m_backImage;
};

} // namespace lumo
