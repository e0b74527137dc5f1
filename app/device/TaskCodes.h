#pragma once

// The codes of the device tasks the window queues and the worker runs.

namespace clavora::task {

inline constexpr int kFirstConnection = 1;   // once per run: rescan, connection check, audio capture
inline constexpr int kRescanArrival = 2;     // an interface arrived
inline constexpr int kRescanRemoval = 3;     // an interface went away
inline constexpr int kApplyProfile = 5;      // reload the pages and re-arm the key filter
inline constexpr int kWriteKeys = 6;         // write the key assignments into the keyboard
inline constexpr int kWriteLight = 7;        // write the current light mode or its parameters
inline constexpr int kWriteKeyColours = 8;   // write the custom per-key colours
inline constexpr int kFactoryReset = 10;
inline constexpr int kSoftwareVersion = 12;  // check for newer software
inline constexpr int kFirmwareVersion = 13;  // check the keyboard's firmware
inline constexpr int kSoftwareUpdate = 14;   // download and start the software update
inline constexpr int kFirmwareUpdate = 15;   // download and start the firmware tool
inline constexpr int kLocalFirmwareTool = 16;

} // namespace clavora::task
