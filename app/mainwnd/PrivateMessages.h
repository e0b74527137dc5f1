#pragma once

// The main window's own messages: requests other threads hand to the window thread.

#include "lumoui/Messages.h"

namespace clavora::msg {

inline constexpr lumo::UINT kActivate = lumo::WM_APP + 1;          // a second start, or the tray
inline constexpr lumo::UINT kEnableWindow = lumo::WM_APP + 2;      // wParam: enable
inline constexpr lumo::UINT kCloseWaitBox = lumo::WM_APP + 3;
inline constexpr lumo::UINT kPresence = lumo::WM_APP + 4;          // wParam: page, lParam: mode
inline constexpr lumo::UINT kReloadMacroPage = lumo::WM_APP + 5;
inline constexpr lumo::UINT kReloadProfileList = lumo::WM_APP + 6;
inline constexpr lumo::UINT kArmKeyFilter = lumo::WM_APP + 7;
inline constexpr lumo::UINT kReloadLightPage = lumo::WM_APP + 8;
inline constexpr lumo::UINT kResetDeviceStates = lumo::WM_APP + 9;
inline constexpr lumo::UINT kSetDeviceState = lumo::WM_APP + 10;   // wParam: type, lParam: state
inline constexpr lumo::UINT kHotplug = lumo::WM_APP + 11;          // events wait in the window's list
inline constexpr lumo::UINT kTrayMenu = lumo::WM_APP + 12;         // lParam: the chosen command
inline constexpr lumo::UINT kStartAudioCapture = lumo::WM_APP + 13;

} // namespace clavora::msg
