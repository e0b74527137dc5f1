#pragma once

#include "description/DescriptionObserver.h"

#include <algorithm>
#include <string>
#include <vector>

namespace clavora::test {

// Writes every hand-off into a log line, so tests can check what was handed over and in
// which order.
class RecordingObserver : public DescriptionObserver {
public:
    std::vector<std::string> log;

    void AddSupportedMode(int vid, int pid, const std::string& productName, int deviceType, int mode,
        const std::string& hidInterface) override
    {
        Add("mode " + Hex(vid) + ":" + Hex(pid) + " '" + productName + "' type " + std::to_string(deviceType)
            + " mode " + std::to_string(mode) + " " + hidInterface);
    }
    void AddDevice(const std::string& name, int deviceType) override
    {
        Add("device '" + name + "' " + std::to_string(deviceType));
    }
    void ShowSoftwareVersion(const std::string& label) override { Add("version '" + label + "'"); }
    void ShowCopyright(const std::string& text) override { Add("copyright '" + text + "'"); }
    void RegisterDeviceNotifications() override { Add("notifications"); }
    void OpenModelStore(const std::string& modelName, int deviceType) override
    {
        Add("store '" + modelName + "' " + std::to_string(deviceType));
    }
    void ShowPageTabs(int menuFlags) override { Add("tabs " + Hex(menuFlags)); }
    void ShowFirmwareButton(bool visible) override { Add(visible ? "firmware shown" : "firmware hidden"); }
    void SetLightSliderMaxima(int brightnessMax, int speedMax) override
    {
        Add("sliders " + std::to_string(brightnessMax) + " " + std::to_string(speedMax));
    }
    void ResetVisualizerControls() override { Add("visualizer reset"); }
    void ClearItem(KeyPicture picture) override { Add(Name(picture) + " clear"); }
    void SetRect(KeyPicture picture, const lumo::CRect& r) override { Add(Name(picture) + " rect " + Rect(r)); }
    void SetKeyboardImage(KeyPicture picture, const std::string& path) override
    {
        Add(Name(picture) + " image " + path);
    }
    void SetWidthAndHeight(KeyPicture picture, int width, int height) override
    {
        Add(Name(picture) + " size " + std::to_string(width) + "x" + std::to_string(height));
    }
    void AddKeyItem(KeyPicture picture, const std::string& name, const std::string& desc, int code,
        const lumo::CRect& rect, const std::string& icon) override
    {
        Add(Name(picture) + " key '" + name + "' '" + desc + "' " + Hex(code) + " " + Rect(rect)
            + (icon.empty() ? "" : " " + icon));
    }

    // Log lines that start with the prefix, in order.
    std::vector<std::string> Lines(const std::string& prefix) const
    {
        std::vector<std::string> lines;
        std::copy_if(log.begin(), log.end(), std::back_inserter(lines),
            [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
        return lines;
    }

private:
    void Add(std::string line) { log.push_back(std::move(line)); }
    static std::string Hex(int v)
    {
        char buffer[16];
        snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(v));
        return buffer;
    }
    static std::string Rect(const lumo::CRect& r)
    {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + ","
            + std::to_string(r.bottom);
    }
    static std::string Name(KeyPicture picture)
    {
        switch (picture) {
        case KeyPicture::KeyPage: return "keys";
        case KeyPicture::LightPage: return "light";
        case KeyPicture::SettingsPage: return "settings";
        }
        return "?";
    }
};

} // namespace clavora::test
