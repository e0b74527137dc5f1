#pragma once

// The balloon tip a dialog shows next to a control: a text in a rounded box with an arrow
// pointing at an anchor point. It hides itself 5 s after a new text unless its type is 4.

#include "lumoui/MPopupWnd.h"

#include <string>

namespace lumo {

class MAirBladder : public MPopupWnd {
public:
    explicit MAirBladder(MObject* parent = nullptr);
    ~MAirBladder() override;

    // Creates the (hidden) balloon window owned by `owner`.
    bool CreateBalloon(HWND owner);
    // Nothing when every argument equals the current one; otherwise stores them, fits the
    // window to the text (AutoFit) and, unless the type is 4, starts the 5 s hide timer.
    void SetAirBladderMsg(const std::string& text, int x, int y, int type, int mode);
    void AutoFit();

    // Window rect for a text of `text` size at `anchor` in placement mode 1-5 (empty for
    // any other mode).
    static CRect FitRect(int mode, CPoint anchor, CSize text);

    const std::string& GetText() const { return m_text; }
    CPoint GetAnchor() const { return m_anchor; }
    int GetType() const { return m_type; }
    int GetMode() const { return m_mode; }
    int GetLineCount() const { return m_lineCount; }

    void InitUI(CRect client) override;
    void OnTimer(UINT id) override;

private:
    void DrawBalloon(HDC& hdc, CRect rect);
    // The arrow at the side facing the anchor; a plain triangle without an arrow picture.
    void DrawArrow(HDC& hdc, CRect rect, CPoint tip, const MImage* arrow, CSize size);

    std::string m_text;
    CPoint m_anchor;
    int m_type = -1;
    int m_mode = -1;
    int m_lineCount = 0;
};

} // namespace lumo
