#include "description/DeviceDescription.h"

#include "description/NumberText.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "profiles/XmlDocument.h"

#include <algorithm>
#include <cstdint>

namespace clavora {

namespace {

int DecimalAttrib(const XmlDocument& xml, std::string_view name)
{
    return DecimalToInt(xml.GetAttrib(name));
}

int HexAttrib(const XmlDocument& xml, std::string_view name)
{
    return HexToInt(xml.GetAttrib(name));
}

int32_t Sum(int32_t a, int32_t b)
{
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t { a } + b, INT32_MIN, INT32_MAX));
}

constexpr KeyPicture kPictures[] = { KeyPicture::KeyPage, KeyPicture::LightPage, KeyPicture::SettingsPage };

} // namespace

DeviceDescription::DeviceDescription(DescriptionObserver* observer)
    : m_observer(observer)
{
}

void DeviceDescription::SetObserver(DescriptionObserver* observer)
{
    m_observer = observer;
}

template <typename Action> void DeviceDescription::ForEachPicture(Action action)
{
    for (KeyPicture picture : kPictures) {
        if (m_model.HasPage(static_cast<int>(picture)))
            action(picture);
    }
}

void DeviceDescription::LoadDeviceList()
{
    m_deviceList.clear();
    m_modeList.clear();
    m_software = {};

    XmlDocument xml;
    if (xml.Load(GetAppFolder() + "config.xml") && xml.FindElem("config") && xml.IntoElem()) {
        if (xml.FindElem("device.info")) {
            xml.IntoElem();
            ReadKeyboards(xml);
            xml.OutOfElem();
        }
        ReadSoftware(xml);
    }
    LoadDeviceDescription(kStartDeviceType);
    Observer().RegisterDeviceNotifications();
}

void DeviceDescription::ReadKeyboards(XmlDocument& xml)
{
    while (xml.FindElem("keyboard")) {
        DeviceEntry model;
        model.name = xml.GetAttrib("name");
        model.device_type = DecimalAttrib(xml, "device_type");
        model.device_info = xml.GetAttrib("device_info");
        m_deviceList.push_back(model);
        Observer().AddDevice(model.name, model.device_type);

        xml.IntoElem();
        while (xml.FindElem("mode")) {
            DeviceEntry connection = model;
            connection.mode = DecimalAttrib(xml, "value");
            connection.desc = xml.GetAttrib("desc");
            connection.vid = HexAttrib(xml, "vid");
            connection.pid = HexAttrib(xml, "pid");
            connection.name = xml.GetAttrib("product_name");
            connection.hid_interface = xml.GetAttrib("hid_interface");
            m_modeList.push_back(connection);
            Observer().AddSupportedMode(connection.vid, connection.pid, connection.name, connection.device_type,
                connection.mode, connection.hid_interface);
        }
        xml.OutOfElem();
    }
}

void DeviceDescription::ReadSoftware(XmlDocument& xml)
{
    if (!xml.FindElem("software"))
        return;
    m_software.version = xml.GetAttrib("version");
    Observer().ShowSoftwareVersion("Ver: " + m_software.version);

    xml.IntoElem();
    if (xml.FindElem("website"))
        m_software.websiteUrl = xml.GetAttrib("url");
    if (xml.FindElem("store"))
        m_software.storeUrl = xml.GetAttrib("url");
    if (xml.FindElem("upgrade"))
        m_software.upgradeUrl = xml.GetAttrib("url");
    if (xml.FindElem("copyright")) {
        m_software.copyright = xml.GetAttrib("info");
        Observer().ShowCopyright(m_software.copyright);
    }
    xml.OutOfElem();
}

bool DeviceDescription::LoadDeviceDescription(int deviceType)
{
    m_model.firmwareUrl.clear();
    auto entry = std::find_if(m_deviceList.begin(), m_deviceList.end(),
        [deviceType](const DeviceEntry& e) { return e.device_type == deviceType; });
    const std::string deviceInfo = entry == m_deviceList.end() ? std::string() : entry->device_info;
    const std::string modelName = entry == m_deviceList.end() ? std::string() : entry->name;

    m_model.deviceType = deviceType;
    Observer().OpenModelStore(modelName, deviceType);

    // Without a file name there is nothing to read; "layouts/.xml" is not a description.
    XmlDocument xml;
    if (deviceInfo.empty() || !xml.Load(GetAppFolder() + "layouts/" + deviceInfo + ".xml")
        || !xml.FindElem("device.info"))
        return false;

    xml.IntoElem();
    ReadMenu(xml);
    ReadFunction(xml);
    ReadFirmware(xml);
    ReadLight(xml);
    ClearKeys();
    ReadKeyboard(xml);
    return true;
}

void DeviceDescription::ReadMenu(XmlDocument& xml)
{
    if (!xml.FindElem("menu"))
        return;
    int flags = kMenuKeyPage | kMenuSettingsPicture;
    if (DecimalAttrib(xml, "macro") == 1)
        flags |= kMenuMacroPage;
    if (DecimalAttrib(xml, "light_mode") == 1)
        flags |= kMenuLightPage;
    m_model.menuFlags = flags;
    Observer().ShowPageTabs(flags);
}

void DeviceDescription::ReadFunction(XmlDocument& xml)
{
    if (xml.FindElem("function"))
        m_model.sleepTimerSupported = DecimalAttrib(xml, "sleep_time") == 1;
}

void DeviceDescription::ReadFirmware(XmlDocument& xml)
{
    if (xml.FindElem("firmware")) {
        m_model.firmwareVersion = xml.GetAttrib("version");
        m_model.firmwareFile = xml.GetAttrib("file");
        m_model.firmwareUrl = xml.GetAttrib("url");
    }
    // A file without a firmware element keeps the earlier version and file, and with them
    // the button's state; the first file without one hides it.
    Observer().ShowFirmwareButton(!m_model.firmwareVersion.empty() && !m_model.firmwareFile.empty());
}

void DeviceDescription::ReadLight(XmlDocument& xml)
{
    if (!xml.FindElem("light"))
        return;
    m_model.rgbKeyboard = DecimalAttrib(xml, "rgb_keyboard") == 1;
    m_model.defaultMode = DecimalAttrib(xml, "default_mode");
    m_model.defaultBrightness = DecimalAttrib(xml, "default_brightness");
    m_model.defaultSpeed = DecimalAttrib(xml, "default_speed");
    m_model.brightnessMax = DecimalAttrib(xml, "brightness_max");
    m_model.speedMax = DecimalAttrib(xml, "speed_max");
    Observer().SetLightSliderMaxima(m_model.brightnessMax, m_model.speedMax);

    m_model.lightModes.clear();
    xml.IntoElem();
    while (xml.FindElem("info")) {
        m_model.lightModes.push_back(
            { xml.GetAttrib("name"), DecimalAttrib(xml, "mode"), DecimalAttrib(xml, "attribute") });
        Observer().ResetVisualizerControls();
    }
    xml.OutOfElem();
}

void DeviceDescription::ClearKeys()
{
    m_model.keyIndexMap.clear();
    m_model.lightIndexMap.clear();
    m_model.rowCount = 0;
    m_model.columnCount = 0;
    m_model.keyGrid.fill(kNoKeyInCell);
    m_model.keys.clear();
    ForEachPicture([this](KeyPicture picture) { Observer().ClearItem(picture); });
}

void DeviceDescription::ReadKeyboard(XmlDocument& xml)
{
    if (!xml.FindElem("Keyboard"))
        return;
    const int x = DecimalAttrib(xml, "xpos");
    const int y = DecimalAttrib(xml, "ypos");
    const int width = DecimalAttrib(xml, "width");
    const int height = DecimalAttrib(xml, "height");
    m_model.pictureRect = lumo::CRect(x, y, Sum(x, width), Sum(y, height));
    m_model.pictureImage = xml.GetAttrib("image");
    // Real-time lighting walks rowCount x columnCount cells, so they must stay in the grid.
    m_model.rowCount = std::clamp(DecimalAttrib(xml, "row_count"), 0, kGridRows);
    m_model.columnCount = std::clamp(DecimalAttrib(xml, "col_count"), 0, kGridColumns);
    ForEachPicture([&](KeyPicture picture) {
        Observer().SetRect(picture, m_model.pictureRect);
        Observer().SetKeyboardImage(picture, "keyboard/" + m_model.pictureImage);
        Observer().SetWidthAndHeight(picture, width, height);
    });

    xml.IntoElem();
    if (xml.FindElem("KeyItems")) {
        xml.IntoElem();
        while (xml.FindElem("key"))
            ReadKey(xml);
        xml.OutOfElem();
    }
    xml.OutOfElem();
}

void DeviceDescription::ReadKey(XmlDocument& xml)
{
    KeyItem key;
    key.code = HexAttrib(xml, "code");
    key.name = xml.GetAttrib("name");
    key.desc = xml.GetAttrib("desc");
    key.keyIndex = DecimalAttrib(xml, "key_index");
    key.icon = xml.GetAttrib("icon");
    key.rect = ParseKeyRect(xml.GetAttrib("rect"));

    m_model.keyIndexMap[key.code] = key.keyIndex;
    m_model.lightIndexMap[key.code] = key.keyIndex;
    // A cell outside the grid is skipped; the key still goes to the pictures.
    if (auto cell = ParseRowCol(xml.GetAttrib("row_col"));
        cell && cell->row >= 0 && cell->row < kGridRows && cell->column >= 0 && cell->column < kGridColumns) {
        key.row = cell->row;
        key.column = cell->column;
        m_model.keyGrid[static_cast<size_t>(key.row * kGridColumns + key.column)] = static_cast<uint8_t>(key.code & 0xFF);
    }
    ForEachPicture([&](KeyPicture picture) {
        Observer().AddKeyItem(picture, key.name, key.desc, key.code, key.rect, key.icon);
    });
    m_model.keys.push_back(std::move(key));
}

} // namespace clavora
