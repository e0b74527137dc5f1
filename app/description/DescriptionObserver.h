#pragma once

// DescriptionObserver - what the description loads hand to the rest of the program: the
// HID layer's connection list, the home page, the store, the pages and the keyboard
// pictures. Every call does nothing by default, so a receiver overrides only what it owns.
//
//   Device list    AddSupportedMode, AddDevice, ShowSoftwareVersion, ShowCopyright,
//                  RegisterDeviceNotifications
//   Description    OpenModelStore, ShowPageTabs, ShowFirmwareButton, SetLightSliderMaxima,
//                  ResetVisualizerControls
//   Pictures       ClearItem, SetRect, SetKeyboardImage, SetWidthAndHeight, AddKeyItem

#include "lumoui/Types.h"

#include <string>

namespace clavora {

// The keyboard pictures a description fills, each named by the menu bit that enables it.
enum class KeyPicture : int {
    KeyPage = 0x01,
    LightPage = 0x04,
    SettingsPage = 0x40,
};

class DescriptionObserver {
public:
    virtual ~DescriptionObserver() = default;

    // One call per connection of config.xml, in file order.
    virtual void AddSupportedMode(int /*vid*/, int /*pid*/, const std::string& /*productName*/,
        int /*deviceType*/, int /*mode*/, const std::string& /*hidInterface*/) { }
    // One call per keyboard model; the home page lists one item per model.
    virtual void AddDevice(const std::string& /*name*/, int /*deviceType*/) { }
    // The version label's text, already formatted ("Ver: 1.0.0").
    virtual void ShowSoftwareVersion(const std::string& /*label*/) { }
    virtual void ShowCopyright(const std::string& /*text*/) { }
    // After the device list and the first description are loaded: start listening for
    // HID interfaces that come and go.
    virtual void RegisterDeviceNotifications() { }

    // Close the open store and open (or create) the one of this model.
    virtual void OpenModelStore(const std::string& /*modelName*/, int /*deviceType*/) { }
    // Show or hide the tab items of the key, macro and light pages by their menu bits.
    virtual void ShowPageTabs(int /*menuFlags*/) { }
    virtual void ShowFirmwareButton(bool /*visible*/) { }
    virtual void SetLightSliderMaxima(int /*brightnessMax*/, int /*speedMax*/) { }
    // Called once per light mode read: the visualizer's lists and sliders go back to their
    // start values.
    virtual void ResetVisualizerControls() { }

    virtual void ClearItem(KeyPicture) { }
    virtual void SetRect(KeyPicture, const lumo::CRect& /*rect*/) { }
    // The image's path relative to the skin folder ("keyboard/<image>").
    virtual void SetKeyboardImage(KeyPicture, const std::string& /*path*/) { }
    virtual void SetWidthAndHeight(KeyPicture, int /*width*/, int /*height*/) { }
    virtual void AddKeyItem(KeyPicture, const std::string& /*name*/, const std::string& /*desc*/, int /*code*/,
        const lumo::CRect& /*rect*/, const std::string& /*icon*/) { }
};

} // namespace clavora
