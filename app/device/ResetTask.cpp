#include "device/ResetTask.h"

#include "device/CommandSender.h"
#include "device/KeyboardHid.h"
#include "device/ProtocolFamily.h"
#include "device/protocol/FeatureCommands.h"
#include "device/protocol/PayloadCommands.h"
#include "device/protocol/ReportCommands.h"

namespace clavora {

void ResetKeyboardDevice(KeyboardHid& hid, int deviceType, int connectionMode)
{
    switch (FamilyOf(deviceType)) {
    case ProtocolFamily::Report:
        hid.WriteReport(protocol::ResetKeyboardReport());
        hid.Pause(kResetSettleMs);
        break;
    case ProtocolFamily::Feature:
        if (connectionMode == 0) {
            hid.SendFeature(protocol::ResetKeyboard());
            hid.Pause(kResetSettleMs);
        } else {
            CommandSender(hid).Send(protocol::ResetKeyboardWireless());
        }
        break;
    case ProtocolFamily::None:
        break;
    }
}

} // namespace clavora
