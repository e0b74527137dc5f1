#pragma once

// Sends the multi-frame commands the protocol builds, with their pauses and stop rules, through
// the report primitives.

#include "device/KeyboardHid.h"
#include "device/protocol/ProtocolTypes.h"

namespace clavora {

class CommandSender {
public:
    explicit CommandSender(KeyboardHid& hid)
        : m_hid(hid)
    {
    }

    // Each frame after the transfer's pause, on the chosen or the lighting interface; a transfer
    // that stops on failure ends at the first frame not written. True when every frame went out.
    bool Send(const protocol::ReportTransfer& transfer);
    // The 28 frames of a slot macro, each with SendFeature. True when all were accepted.
    bool Send(const protocol::SlotMacroFrames& frames);
    // The two payloads with their gap. True when both were written.
    bool Send(const protocol::PayloadSequence& payloads);

private:
    KeyboardHid& m_hid;
};

} // namespace clavora
