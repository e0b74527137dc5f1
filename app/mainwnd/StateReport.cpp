#include "mainwnd/StateReport.h"

#include "platform/FileIo.h"

#include <cstdlib>

namespace clavora {

std::string WindowState::ToLine() const
{
    return "page=" + std::to_string(page) + " tabs=" + (tabs ? "1" : "0") + " keyboard=" + (keyboard ? "1" : "0")
        + " visible=" + (visible ? "1" : "0") + "\n";
}

StateReport::StateReport()
{
    if (const char* path = std::getenv("CLAVORA_STATE_FILE"))
        m_path = path;
}

StateReport::StateReport(std::string path)
    : m_path(std::move(path))
{
}

void StateReport::Report(const WindowState& state)
{
    if (m_path.empty() || (m_written && state == m_last))
        return;
    std::string error;
    // A reader sees the old line or the new one, never half of one.
    if (WriteFileAtomically(m_path, state.ToLine(), error)) {
        m_last = state;
        m_written = true;
    }
}

} // namespace clavora
