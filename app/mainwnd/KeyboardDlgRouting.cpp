// Where each control's notifications go. Controls in the first table get every notification;
// all others only their clicks. A control found in no table gets 0.

#include "mainwnd/KeyboardDlg.h"

#include "mainwnd/ControlIds.h"
#include "mainwnd/MainWindowServices.h"

namespace clavora {

namespace {

using lumo::LPARAM;
using lumo::LRESULT;
using lumo::UINT;
using lumo::WPARAM;

bool InRange(UINT id, UINT first, UINT last)
{
    return id >= first && id <= last;
}

bool IsPreset(UINT id)
{
    return InRange(id, ctl::kPresetFirst1, ctl::kPresetFirst1 + 7) || InRange(id, ctl::kPresetFirst2, ctl::kPresetFirst2 + 7)
        || InRange(id, ctl::kPresetFirst3, ctl::kPresetFirst3 + 7);
}

} // namespace

LRESULT KeyboardDlg::OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam)
{
    bool routed = false;
    const LRESULT result = RouteAnyCode(id, code, wParam, lParam, routed);
    if (routed)
        return result;
    return code == lumo::NOTIFY_CLICK ? RouteClick(id) : 0;
}

LRESULT KeyboardDlg::RouteAnyCode(UINT id, UINT code, WPARAM wParam, LPARAM lParam, bool& routed)
{
    routed = true;
    if (id == ctl::kTabBar && code == lumo::NOTIFY_CLICK)
        return OnTabClick(static_cast<int>(wParam));
    if (id == ctl::kDeviceList && code == lumo::NOTIFY_PRESS)
        return OnChooseModel();
    switch (id) {
    case ctl::kProfileList:
        return m_profileList.OnList(code, wParam, lParam);
    case ctl::kKeyPicture:
        return m_keyPage.OnPicture(code, wParam, lParam);
    case ctl::kLightPicture:
        return m_lightPage.OnPicture(code, wParam, lParam);
    case ctl::kColourWheel:
        return m_lightPage.OnColourWheel(code, wParam, lParam);
    case ctl::kRedEdit:
    case ctl::kRedEdit + 1:
    case ctl::kRedEdit + 2:
        return m_lightPage.OnRgbEdit(id, code);
    case ctl::kMacroList:
        return m_macroPage.OnMacroList(code, wParam, lParam);
    case ctl::kKeyChooser:
        return m_keyPage.OnChooser(code, wParam, lParam);
    case ctl::kModeList:
        return m_lightPage.OnModeList(code, wParam, lParam);
    case ctl::kKeyCapture:
        return m_macroPage.OnKeyCapture(code, wParam, lParam);
    default:
        break;
    }
    if (id == ctl::kPlayCount && code == lumo::NOTIFY_EDITEND)
        return m_macroPage.OnPlayCountEditEnd();
    if (id == ctl::kEventList && code == lumo::NOTIFY_EDITEND)
        return m_macroPage.HasEventSelection() ? m_macroPage.OnEventListEditEnd() : 0;
    routed = false;
    return 0;
}

LRESULT KeyboardDlg::RouteClick(UINT id)
{
    switch (id) {
    case ctl::kClose:
        return OnCloseButton();
    case ctl::kMinimize:
        OnMinimize();
        return 1;
    case ctl::kWebsite:
        m_services.OpenUrl(m_description.GetSoftwareInfo().websiteUrl);
        return 1;
    case ctl::kProfileAdd:
        return m_profileList.OnAdd();
    case ctl::kProfileDelete:
        return m_profileList.OnDelete();
    case ctl::kProfileRename:
        return m_profileList.OnRename();
    case ctl::kProfileImport:
        return m_profileList.OnImport();
    case ctl::kProfileExport:
        return m_profileList.OnExport();
    // Buttons that have nothing to do.
    case ctl::kCustomSlotButton:
    case ctl::kInsertEvent:
    case ctl::kEventTime:
        return 1;
    case ctl::kAutostart:
        return m_settingsPage.OnAutostart();
    case ctl::kRestoreDefaults:
        return m_settingsPage.OnRestoreDefaults();
    case ctl::kSoftwareUpdate:
        return m_settingsPage.OnSoftwareUpdate();
    case ctl::kFirmwareUpdate:
        return m_settingsPage.OnFirmwareUpdate();
    default:
        break;
    }
    bool routed = false;
    LRESULT result = RouteLightClick(id, routed);
    if (routed)
        return result;
    result = RouteMacroClick(id, routed);
    return routed ? result : 0;
}

LRESULT KeyboardDlg::RouteLightClick(UINT id, bool& routed)
{
    routed = true;
    if (id == ctl::kBrightness || id == ctl::kSpeed)
        return m_lightPage.OnBrightnessOrSpeed(id);
    if (id == ctl::kDirectionLeft || id == ctl::kDirectionRight)
        return m_lightPage.OnDirection(id);
    if (IsPreset(id))
        return m_lightPage.OnPreset(id);
    if (id == ctl::kMulticolour)
        return m_lightPage.OnMulticolour();
    if (InRange(id, ctl::kRedSlider, ctl::kRedSlider + 2))
        return m_lightPage.OnRgbSlider(id);
    if (InRange(id, ctl::kSwatchFirst, ctl::kSwatchFirst + ctl::kSwatchCount - 1))
        return m_lightPage.OnSwatch(id);
    if (id == ctl::kCustomSlots)
        return m_lightPage.OnCustomSlots();
    if (id == ctl::kForeType || id == ctl::kGain || id == ctl::kBackType || id == ctl::kBackBrightness)
        return m_lightPage.OnVisualizerControl(id);
    if (id == ctl::kMusicMode) {
        m_lightPage.OnMusicMode();
        return 1;
    }
    if (id == ctl::kLevelGain) {
        m_lightPage.OnLevelGain();
        return 1;
    }
    if (id == ctl::kCapturePeriod) {
        m_lightPage.OnCapturePeriod();
        return 1;
    }
    if (InRange(id, ctl::kMusicColourFirst, ctl::kMusicColourFirst + ctl::kMusicColourCount - 1)) {
        m_lightPage.OnMusicColour(id);
        return 1;
    }
    if (InRange(id, ctl::kAreaFirst, ctl::kAreaLast))
        return m_lightPage.OnAreaColour(id);
    routed = false;
    return 0;
}

LRESULT KeyboardDlg::RouteMacroClick(UINT id, bool& routed)
{
    routed = true;
    if (InRange(id, ctl::kEventKindKey, ctl::kEventKindDelay))
        return m_macroPage.OnEventKind(id);
    if (InRange(id, ctl::kMacroNew, ctl::kMacroRename))
        return m_macroPage.OnListButton(id);
    if (InRange(id, ctl::kDelayRecorded, ctl::kDelayFixed))
        return m_macroPage.OnDelayKind(id);
    if (id == ctl::kRecordStart)
        return m_macroPage.OnRecordStart();
    if (id == ctl::kRecordStop)
        return m_macroPage.OnRecordStop();
    if (InRange(id, ctl::kEventUp, ctl::kEventDelete))
        return m_macroPage.OnEventButton(id);
    if (id == ctl::kMacroSave)
        return m_macroPage.OnSave();
    routed = false;
    return 0;
}

void KeyboardDlg::OnTimer(UINT) { }

} // namespace clavora
