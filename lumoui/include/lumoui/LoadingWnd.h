#pragma once

// A "please wait" window: the animated skin image loading/loading.gif under the logo, with a
// close button in the corner (closing hides it). Created once and shown again as needed.

#include "lumoui/MPopupWnd.h"

namespace lumo {

class LoadingWnd : public MPopupWnd {
public:
    explicit LoadingWnd(MObject* parent = nullptr);
    ~LoadingWnd() override;

    // Creates "Loading Window" at `rect` (screen), shown, and starts the 18 ms animation timer.
    bool CreateDlg(HWND owner, CRect rect);
    int GetFrame() const { return m_frame; }

    void InitUI(CRect client) override;
    void OnTimer(UINT id) override;
    LRESULT OnLButtonUp(UINT flags, int x, int y) override;

private:
    CRect CloseRect() const;
    void DrawLoading(HDC& hdc, CRect rect);

    MImagePtr m_anim;
    MImagePtr m_logo;
    MImagePtr m_close;
    int m_frame = 0;
    int m_elapsed = 0;
};

} // namespace lumo
