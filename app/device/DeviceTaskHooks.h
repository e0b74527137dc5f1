#pragma once

// Work of other parts of the program that the device worker runs at its place in the cycle:
// the update service's tasks and the light page's live colour effects. Until those parts
// install their own, the worker runs the defaults: the update tasks do nothing and nothing
// streams.

#include "device/protocol/ProtocolTypes.h"

#include <vector>

namespace clavora {

// The update service's device tasks; each runs on the worker.
class UpdateTaskHooks {
public:
    virtual ~UpdateTaskHooks() = default;
    virtual void CheckSoftwareVersion() { }   // task 12, needs no keyboard
    virtual void CheckFirmwareVersion() { }   // task 13
    virtual void StartSoftwareUpdate() { }    // task 14
    virtual void StartFirmwareUpdate() { }    // task 15
    virtual void StartLocalFirmwareTool() { } // task 16
};

// The music visualizer and the screen light as the worker's idle cycles see them.
class IStreamingSource {
public:
    virtual ~IStreamingSource() = default;
    // The music or the screen effect is active.
    virtual bool IsEffectActive() = 0;
    // Paints one frame on the keyboard picture and returns every key's colour as painted
    // (0x00BBGGRR by key code).
    virtual std::vector<protocol::KeyColour> PaintFrame() = 0;
};

} // namespace clavora
