// What the device description hands to the main window while config.xml and a model's
// description file are read: the HID layer's connections, the home page's model list and
// labels, the model's store, the page tabs, the pictures, and hot-plug.

#include "mainwnd/KeyboardDlg.h"

#include "device/DevicePresence.h"
#include "device/KeyFilter.h"
#include "device/KeyboardHid.h"
#include "lumoui/CDeviceCtrl.h"
#include "lumoui/KeyboardCtrl.h"
#include "lumoui/MTabCtrl.h"
#include "mainwnd/MainWindowServices.h"
#include "mainwnd/PageKit.h"
#include "mainwnd/PrivateMessages.h"
#include "store/DataStore.h"

namespace clavora {

void KeyboardDlg::AddSupportedMode(int vid, int pid, const std::string& productName, int deviceType, int mode,
    const std::string& hidInterface)
{
    // A model's connections follow the model itself in config.xml.
    m_services.Hid().AddSupportedMode(vid, pid, productName, deviceType, mode, hidInterface, m_lastModelName);
}

void KeyboardDlg::AddDevice(const std::string& name, int deviceType)
{
    m_lastModelName = name;
    if (home.devices)
        home.devices->AddDevice(name, 0, 0, deviceType, false);
}

void KeyboardDlg::ShowSoftwareVersion(const std::string& label)
{
    SetTitle(home.version, label);
}

void KeyboardDlg::ShowCopyright(const std::string& text)
{
    SetTitle(home.copyright, text);
}

void KeyboardDlg::RegisterDeviceNotifications()
{
    if (m_presence)
        return;
    m_presence = std::make_unique<DevicePresence>(m_description.GetModeList(), [this](int code) { QueueTask(code); });
    if (m_keyFilter)
        m_keyFilter->Channel().SetKeyboards(m_presence->Keyboards());
    // Reports arrive on the reporting thread; the window thread matches them.
    m_services.StartHotplug([this](const HotplugEvent& event) {
        {
            std::lock_guard lock(m_hotplugLock);
            m_hotplugEvents.push_back(event);
        }
        Post(msg::kHotplug);
    });
}

void KeyboardDlg::OpenModelStore(const std::string& modelName, int deviceType)
{
    m_services.Store().OpenForDevice(modelName, deviceType);
}

void KeyboardDlg::ShowPageTabs(int menuFlags)
{
    if (frame.tabBar) {
        frame.tabBar->SetItemVisible(1, (menuFlags & kMenuKeyPage) != 0);
        frame.tabBar->SetItemVisible(2, (menuFlags & kMenuMacroPage) != 0);
        frame.tabBar->SetItemVisible(3, (menuFlags & kMenuLightPage) != 0);
    }
    UpdateTaskContext();
}

void KeyboardDlg::ShowFirmwareButton(bool visible)
{
    m_settingsPage.ShowFirmwareButton(visible);
}

void KeyboardDlg::SetLightSliderMaxima(int brightnessMax, int speedMax)
{
    m_lightPage.SetSliderMaxima(brightnessMax, speedMax);
}

void KeyboardDlg::ResetVisualizerControls()
{
    m_lightPage.ResetVisualizerControls();
}

lumo::KeyboardCtrl* KeyboardDlg::Picture(KeyPicture picture)
{
    switch (picture) {
    case KeyPicture::KeyPage:
        return keys.picture;
    case KeyPicture::LightPage:
        return light.picture;
    case KeyPicture::SettingsPage:
        return settings.picture;
    }
    return nullptr;
}

void KeyboardDlg::ClearItem(KeyPicture picture)
{
    if (lumo::KeyboardCtrl* control = Picture(picture))
        control->ClearItem();
}

void KeyboardDlg::SetRect(KeyPicture picture, const lumo::CRect& rect)
{
    switch (picture) {
    case KeyPicture::KeyPage:
        m_keyPage.SetPictureRect(rect);
        Place(keys.picture, rect);
        break;
    case KeyPicture::LightPage:
        m_lightPage.SetPictureRect(rect);
        Place(light.picture, rect);
        // The parameters below the picture follow it.
        if (frame.close)
            m_lightPage.Layout(m_client);
        break;
    case KeyPicture::SettingsPage:
        // The settings page's picture has no place on the page.
        break;
    }
}

void KeyboardDlg::SetKeyboardImage(KeyPicture picture, const std::string& path)
{
    if (lumo::KeyboardCtrl* control = Picture(picture))
        control->SetKeyboardImage(path);
}

void KeyboardDlg::SetWidthAndHeight(KeyPicture picture, int width, int height)
{
    if (lumo::KeyboardCtrl* control = Picture(picture))
        control->SetWidthAndHeight(width, height);
}

void KeyboardDlg::AddKeyItem(KeyPicture picture, const std::string& name, const std::string& desc, int code,
    const lumo::CRect& rect, const std::string& icon)
{
    if (lumo::KeyboardCtrl* control = Picture(picture))
        control->AddKeyItem(name, desc, static_cast<lumo::DWORD>(code), rect, icon);
}

} // namespace clavora
