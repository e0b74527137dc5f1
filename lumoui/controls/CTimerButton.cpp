#include "lumoui/CTimerButton.h"

#include "lumoui/PaintManager.h"
#include "lumoui/WindowApi.h"

#include <cstdio>

namespace lumo {

namespace {

// The countdown runs on a window timer, not on animation ticks: its end sends a
// notification, which must reach the owner on the window's thread.
constexpr UINT kCountdownTimer = 1;
constexpr UINT kCountdownStepMs = 100;

} // namespace

CTimerButton::CTimerButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MButton(parent, id, rect, title, visible, enabled)
{
}

CTimerButton::~CTimerButton()
{
    if (m_manager) {
        m_manager->KillTimer(this, kCountdownTimer);
    }
}

void CTimerButton::SetRun(bool run)
{
    if (run && !IsEnabled()) {
        return;
    }
    if (m_manager) {
        m_manager->KillTimer(this, kCountdownTimer);
    }
    m_running = run && m_manager && m_manager->SetTimer(this, kCountdownTimer, kCountdownStepMs);
    m_start = GetTickCount64();
    m_shownSeconds = GetRemainSeconds();
    UpdateControl(true);
}

int CTimerButton::GetRemainSeconds() const
{
    if (!m_running) {
        return 0;
    }
    uint64_t elapsed = GetTickCount64() - m_start;
    return elapsed >= kRunMs ? 0 : static_cast<int>(kRunMs / 1000 - elapsed / 1000);
}

bool CTimerButton::OnNativeTimer(UINT key)
{
    if (key != kCountdownTimer || !m_running) {
        return false;
    }
    if (GetTickCount64() - m_start > kRunMs) {
        m_running = false;
        m_manager->KillTimer(this, kCountdownTimer);
        UpdateControl(true);
        SendMessageW(NOTIFY_CLICK, 0, 0);
        return true;
    }
    int seconds = GetRemainSeconds();
    if (seconds != m_shownSeconds) {
        m_shownSeconds = seconds;
        UpdateControl(true);
    }
    return true;
}

std::string CTimerButton::GetDrawnTitle() const
{
    if (!m_running) {
        return m_title;
    }
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "(%ds)", GetRemainSeconds());
    return m_title + suffix;
}

LUMO_REGISTER_CONTROL(CTimerButton, kWindowFactory | kContainerFactory)

} // namespace lumo
