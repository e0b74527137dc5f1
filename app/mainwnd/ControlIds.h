#pragma once

// Control IDs of the main window and the numbers of its window messages. The feature code
// refers to controls by these IDs; regular groups (colour rows, swatches) are given by their
// first ID and their length.

#include "lumoui/Types.h"
#include "platform/TrayEvent.h"

namespace clavora::ctl {

using lumo::UINT;

// --- Frame ---
inline constexpr UINT kBackground = 30;
inline constexpr UINT kFrameLeft = 31;
inline constexpr UINT kFrameTop = 32;
inline constexpr UINT kFrameRight = 33;
inline constexpr UINT kFrameBottom = 34;
inline constexpr UINT kCaptionBar = 35;
inline constexpr UINT kCaptionPicture = 36;
inline constexpr UINT kLogo = 37;
inline constexpr UINT kTitle = 38;
inline constexpr UINT kPageCaption = 39;
inline constexpr UINT kPageIcon = 40;
inline constexpr UINT kClose = 41;
inline constexpr UINT kMinimize = 42;
inline constexpr UINT kWebsite = 44;
inline constexpr UINT kBattery = 46;
inline constexpr UINT kModeIcon = 47;
inline constexpr UINT kTabBackground = 48;
inline constexpr UINT kTabBar = 49;
inline constexpr UINT kHomeLayout = 50;
inline constexpr UINT kKeyLayout = 51;
inline constexpr UINT kLightLayout = 52;
inline constexpr UINT kMacroLayout = 53;
inline constexpr UINT kSettingsLayout = 54;

// Tab item IDs (not positions: the settings tab has ID 5 at position 4).
inline constexpr UINT kTabHome = 0;
inline constexpr UINT kTabKeys = 1;
inline constexpr UINT kTabMacros = 2;
inline constexpr UINT kTabLight = 3;
inline constexpr UINT kTabSettings = 5;

// --- Home page ---
inline constexpr UINT kStatusText = 55;
inline constexpr UINT kDeviceList = 56;
inline constexpr UINT kCopyright = 57;
inline constexpr UINT kVersion = 58;

// --- Key page ---
inline constexpr UINT kKeyToolbar = 59;
inline constexpr UINT kProfileAdd = 60;
inline constexpr UINT kProfileDelete = 61;
inline constexpr UINT kProfileRename = 62;
inline constexpr UINT kProfileImport = 63;
inline constexpr UINT kProfileExport = 64;
inline constexpr UINT kProfileListBack = 65;
inline constexpr UINT kProfileList = 66;
inline constexpr UINT kKeyPicture = 67;
inline constexpr UINT kKeyChooser = 69;

// --- Light page ---
inline constexpr UINT kModeListBack = 70;
inline constexpr UINT kModeList = 71;
inline constexpr UINT kLightPicture = 72;
inline constexpr UINT kLightParamsBack = 73;
inline constexpr UINT kBrightnessLabel = 74;
inline constexpr UINT kBrightness = 75;
inline constexpr UINT kSpeedLabel = 76;
inline constexpr UINT kSpeed = 77;
inline constexpr UINT kDirectionLabel = 78;
inline constexpr UINT kDirectionLeft = 79;
inline constexpr UINT kDirectionRight = 80;
inline constexpr UINT kDirectionUp = 81;
inline constexpr UINT kDirectionDown = 82;
inline constexpr UINT kPresetLabel1 = 83;
inline constexpr UINT kPresetFirst1 = 84;
inline constexpr UINT kPresetLabel2 = 92;
inline constexpr UINT kPresetFirst2 = 93;
inline constexpr UINT kPresetLabel3 = 101;
inline constexpr UINT kPresetFirst3 = 102;
inline constexpr int kPresetCount = 8;
inline constexpr UINT kCustomSlots = 110;
inline constexpr UINT kCustomSlotButton = 111;
inline constexpr UINT kModeColour = 112;
inline constexpr UINT kMulticolour = 113;
inline constexpr UINT kColourLabel = 114;
inline constexpr UINT kColourEditorBack = 115;
inline constexpr UINT kColourWheel = 116;
inline constexpr UINT kRedLabel = 117;
inline constexpr UINT kRedSlider = 120;
inline constexpr UINT kRedEdit = 123;
inline constexpr UINT kSwatchFirst = 126;
inline constexpr int kSwatchCount = 9;
inline constexpr UINT kForeTypeLabel = 135;
inline constexpr UINT kForeType = 136;
inline constexpr UINT kGainLabel = 137;
inline constexpr UINT kGain = 138;
inline constexpr UINT kBackTypeLabel = 139;
inline constexpr UINT kBackType = 140;
inline constexpr UINT kBackBrightnessLabel = 141;
inline constexpr UINT kBackBrightness = 142;
inline constexpr UINT kMusicModeLabel = 143;
inline constexpr UINT kMusicMode = 144;
inline constexpr UINT kLevelGainLabel = 145;
inline constexpr UINT kLevelGain = 146;
inline constexpr UINT kCapturePeriodLabel = 147;
inline constexpr UINT kCapturePeriod = 148;
inline constexpr UINT kMusicColourLabel = 149;
inline constexpr UINT kMusicColourFirst = 150;
inline constexpr int kMusicColourCount = 7;
// The six area rows: label at kAreaLabelFirst + 8 * row, its seven buttons right after it.
inline constexpr UINT kAreaLabelFirst = 157;
inline constexpr int kAreaRows = 6;
inline constexpr int kAreaButtons = 7;
inline constexpr UINT kAreaFirst = 158;
inline constexpr UINT kAreaLast = 204;

// --- Macro page ---
inline constexpr UINT kMacroListBack = 205;
inline constexpr UINT kMacroListCaption = 206;
inline constexpr UINT kMacroList = 207;
inline constexpr UINT kEventTypeLabel = 208;
inline constexpr UINT kEventAction = 209;
inline constexpr UINT kEventKindKey = 210;
inline constexpr UINT kEventKindMouse = 211;
inline constexpr UINT kEventKindDelay = 212;
inline constexpr UINT kKeyCapture = 213;
inline constexpr UINT kEventNumber = 214;
inline constexpr UINT kMouseButtonList = 215;
inline constexpr UINT kInsertEvent = 216;
inline constexpr UINT kMacroNew = 217;
inline constexpr UINT kMacroDelete = 218;
inline constexpr UINT kMacroCopy = 219;
inline constexpr UINT kMacroImport = 220;
inline constexpr UINT kMacroExport = 221;
inline constexpr UINT kMacroRename = 222;
inline constexpr UINT kPlayCount = 223;
inline constexpr UINT kPlayCountLabel = 224;
inline constexpr UINT kDelayRecorded = 225;
inline constexpr UINT kDelayNone = 226;
inline constexpr UINT kDelayFixed = 227;
inline constexpr UINT kFixedDelay = 228;
inline constexpr UINT kDelayLabel = 229;
inline constexpr UINT kRecordStart = 230;
inline constexpr UINT kRecordStop = 231;
inline constexpr UINT kEventListBack = 232;
inline constexpr UINT kEventListCaption = 233;
inline constexpr UINT kEventTime = 234;
inline constexpr UINT kEventUp = 235;
inline constexpr UINT kEventDown = 236;
inline constexpr UINT kEventDelete = 237;
inline constexpr UINT kEventHeaderBack = 238;
inline constexpr UINT kEventHeaderFirst = 239;
inline constexpr UINT kEventList = 242;
inline constexpr UINT kMacroSave = 243;

// --- Settings page ---
inline constexpr UINT kSettingsBack = 244;
inline constexpr UINT kLanguageLabel = 245;
inline constexpr UINT kLanguageList = 246;
inline constexpr UINT kAutostart = 247;
inline constexpr UINT kLanguageApply = 248;
inline constexpr UINT kRestoreDefaults = 249;
inline constexpr UINT kSoftwareUpdate = 250;
inline constexpr UINT kFirmwareUpdate = 251;
inline constexpr UINT kSettingsPicture = 252;

} // namespace clavora::ctl

namespace clavora::msg {

using lumo::UINT;

// Messages other parts of the program and other processes send the main window.
inline constexpr UINT kRecorderKey = 1654;     // a key from the macro recorder
inline constexpr UINT kTrayCallback = kTrayCallbackMessage; // lParam: the mouse message
inline constexpr UINT kQuit = 1691;            // with lParam kQuitParam
inline constexpr lumo::LPARAM kQuitParam = 610;
inline constexpr UINT kKeyPageMenu = 1825;     // lParam: the menu item
inline constexpr UINT kMacroListMenu = 1827;   // lParam: the menu item
inline constexpr UINT kReloadTexts = 2022;

// The tray menu's commands (WM_COMMAND wParam).
inline constexpr lumo::WPARAM kCommandExit = kTrayCommandExit;
inline constexpr lumo::WPARAM kCommandCloseSettings = kTrayCommandCloseSettings;

} // namespace clavora::msg
