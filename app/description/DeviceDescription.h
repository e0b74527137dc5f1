#pragma once

// DeviceDescription - reads config.xml into the device and mode lists and the software
// fields, and a model's description file (layouts/<device_info>.xml) into the keyboard
// model, handing each result to the DescriptionObserver as it is read.
//
// Both files are read strictly in document order: each element is searched for after the
// one read before it, so elements out of the expected order are not seen. Missing files,
// elements and attributes leave the empty states and defaults; nothing is reported.

#include "description/DescriptionObserver.h"
#include "description/DeviceEntry.h"
#include "description/KeyboardModel.h"

#include <string>
#include <vector>

namespace clavora {

class XmlDocument;

// The device type whose description is loaded at start.
inline constexpr int kStartDeviceType = 201;

class DeviceDescription {
public:
    // The observer is not owned; null means nobody listens.
    explicit DeviceDescription(DescriptionObserver* observer = nullptr);
    void SetObserver(DescriptionObserver* observer);

    // Reads config.xml from the application folder into both lists and the software
    // fields, then loads the description of device type 201 and asks for device
    // notifications.
    void LoadDeviceList();

    // Loads the description file of the first model of this device type into the model
    // and the pictures, after switching the store to that model. False when the file
    // cannot be read; the model then keeps what it had.
    bool LoadDeviceDescription(int deviceType);

    const std::vector<DeviceEntry>& GetDeviceList() const { return m_deviceList; }
    // The presence scan marks the connections it finds in this list.
    std::vector<DeviceEntry>& GetModeList() { return m_modeList; }
    const std::vector<DeviceEntry>& GetModeList() const { return m_modeList; }
    const SoftwareInfo& GetSoftwareInfo() const { return m_software; }
    KeyboardModel& GetModel() { return m_model; }
    const KeyboardModel& GetModel() const { return m_model; }

private:
    DescriptionObserver& Observer() { return m_observer ? *m_observer : m_silentObserver; }
    template <typename Action> void ForEachPicture(Action action);

    void ReadKeyboards(XmlDocument& xml);
    void ReadSoftware(XmlDocument& xml);
    void ReadMenu(XmlDocument& xml);
    void ReadFunction(XmlDocument& xml);
    void ReadFirmware(XmlDocument& xml);
    void ReadLight(XmlDocument& xml);
    void ClearKeys();
    void ReadKeyboard(XmlDocument& xml);
    void ReadKey(XmlDocument& xml);

    DescriptionObserver* m_observer = nullptr;
    DescriptionObserver m_silentObserver;
    std::vector<DeviceEntry> m_deviceList;
    std::vector<DeviceEntry> m_modeList;
    SoftwareInfo m_software;
    KeyboardModel m_model;
};

} // namespace clavora
