#include "device/HidapiBackend.h"

#include <hidapi/hidapi.h>

namespace clavora {

namespace {

// hidapi hands out wide strings (UTF-32 here); everything else in the program is UTF-8.
std::string ToUtf8(const wchar_t* text)
{
    std::string out;
    if (!text)
        return out;
    for (; *text; ++text) {
        auto c = static_cast<char32_t>(*text);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

struct EnumerationDeleter {
    void operator()(hid_device_info* list) const { hid_free_enumeration(list); }
};
struct DeviceCloser {
    void operator()(hid_device* device) const { hid_close(device); }
};

class HidapiDevice final : public HidDevice {
public:
    explicit HidapiDevice(hid_device* device)
        : m_device(device)
    {
    }

    int Write(std::span<const uint8_t> report) override
    {
        return hid_write(m_device.get(), report.data(), report.size());
    }

    int SendFeatureReport(std::span<const uint8_t> report) override
    {
        return hid_send_feature_report(m_device.get(), report.data(), report.size());
    }

    int GetFeatureReport(std::span<uint8_t> report) override
    {
        return hid_get_feature_report(m_device.get(), report.data(), report.size());
    }

    std::string ErrorText() override { return ToUtf8(hid_error(m_device.get())); }

private:
    std::unique_ptr<hid_device, DeviceCloser> m_device;
};

} // namespace

HidapiBackend::HidapiBackend()
    : m_ready(hid_init() == 0)
{
}

HidapiBackend::~HidapiBackend()
{
    if (m_ready)
        hid_exit();
}

std::vector<HidDeviceInfo> HidapiBackend::Enumerate()
{
    std::vector<HidDeviceInfo> result;
    if (!m_ready)
        return result;
    std::unique_ptr<hid_device_info, EnumerationDeleter> list(hid_enumerate(0, 0));
    for (const hid_device_info* it = list.get(); it; it = it->next) {
        HidDeviceInfo info;
        info.path = it->path ? it->path : "";
        info.vid = it->vendor_id;
        info.pid = it->product_id;
        info.product = ToUtf8(it->product_string);
        info.release = it->release_number;
        info.usage_page = it->usage_page;
        info.usage = it->usage;
        info.interface_number = it->interface_number;
        result.push_back(std::move(info));
    }
    return result;
}

std::unique_ptr<HidDevice> HidapiBackend::Open(const std::string& path)
{
    if (!m_ready)
        return nullptr;
    hid_device* device = hid_open_path(path.c_str());
    if (!device)
        return nullptr;
    return std::make_unique<HidapiDevice>(device);
}

} // namespace clavora
