#pragma once

// A push button that can run a ten-second countdown: while it runs its text is the title
// followed by the seconds left, "Title(7s)"; when the time is over it sends NOTIFY_CLICK
// (0, 0) once, as if it had been clicked, and stops.

#include "lumoui/MButton.h"

#include <cstdint>

namespace lumo {

class CTimerButton : public MButton {
public:
    CTimerButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);
    ~CTimerButton() override;

    // Starts (ignored while disabled) or stops the countdown. Starting again restarts it.
    void SetRun(bool run);
    bool IsRun() const { return m_running; }
    // Whole seconds left while running (10 right after the start), else 0.
    int GetRemainSeconds() const;

    bool OnNativeTimer(UINT key) override;

    static constexpr uint64_t kRunMs = 10000;

protected:
    std::string GetDrawnTitle() const override;

private:
    bool m_running = false;
    uint64_t m_start = 0;
    int m_shownSeconds = 0;
};

} // namespace lumo
