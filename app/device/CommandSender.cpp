#include "device/CommandSender.h"

namespace clavora {

bool CommandSender::Send(const protocol::ReportTransfer& transfer)
{
    bool all = true;
    for (const protocol::ReportFrame& frame : transfer.frames) {
        m_hid.Pause(transfer.pause_ms);
        const bool written = transfer.lighting_interface ? m_hid.WriteFastReport(frame) : m_hid.WriteReport(frame);
        all = all && written;
        if (!written && transfer.stop_on_failure)
            return false;
    }
    return all;
}

bool CommandSender::Send(const protocol::SlotMacroFrames& frames)
{
    bool all = true;
    for (const protocol::FeatureFrame& frame : frames)
        all = m_hid.SendFeature(frame) && all;
    return all;
}

bool CommandSender::Send(const protocol::PayloadSequence& payloads)
{
    const bool first = m_hid.WritePayload(payloads.frames[0]);
    m_hid.Pause(payloads.gap_ms);
    const bool second = m_hid.WritePayload(payloads.frames[1]);
    return first && second;
}

} // namespace clavora
