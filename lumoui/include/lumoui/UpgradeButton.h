#pragma once

// A push button that marks an available update: with a non-zero upgrade status every state
// of the button carries a red 16 x 16 badge with "1" in its top-right corner.

#include "lumoui/MButton.h"

#include <atomic>

namespace lumo {

class UpgradeButton : public MButton {
public:
    UpgradeButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);
    ~UpgradeButton() override;

    // May be called from a worker thread; repaints when the status changed.
    void SetUpgradeStatus(int status);
    int GetUpgradeStatus() const { return m_status; }

    static constexpr int kBadgeSize = 16;
    static constexpr ARGB kBadgeColor = 0xFFFF0000;

protected:
    void DrawSlot(HDC dc, int slot, const CRect& rect) override;

private:
    std::atomic<int> m_status { 0 };
};

} // namespace lumo
