#include "MainWndRig.h"

#include "description/DeviceDescription.h"
#include "lumoui/CArea.h"
#include "lumoui/MTabLayout.h"
#include "mainwnd/ControlIds.h"
#include "profiles/XmlDocument.h"

#include <filesystem>

namespace clavora::test {

namespace {

// Visible controls of a page that are not background areas.
std::vector<lumo::MControl*> Foreground(lumo::MControl* page)
{
    std::vector<lumo::MControl*> shown;
    for (lumo::MControl* control : page->GetControls()) {
        if (control->IsVisible() && !dynamic_cast<lumo::CArea*>(control) && control->GetControlID() > 2)
            shown.push_back(control);
    }
    return shown;
}

// Pairs of shown foreground controls whose rectangles overlap, and controls outside the window.
std::vector<std::string> LayoutFaults(lumo::MControl* page)
{
    std::vector<std::string> faults;
    const lumo::CRect window(0, 0, KeyboardDlg::kWidth, KeyboardDlg::kHeight);
    const std::vector<lumo::MControl*> controls = Foreground(page);
    for (size_t i = 0; i < controls.size(); ++i) {
        const lumo::CRect a = controls[i]->GetRect();
        lumo::CRect inside;
        if (a.IsRectEmpty() || !inside.IntersectRect(a, window) || inside != a)
            faults.push_back("control " + std::to_string(controls[i]->GetControlID()) + " not placed inside the window");
        for (size_t j = i + 1; j < controls.size(); ++j) {
            lumo::CRect both;
            if (both.IntersectRect(a, controls[j]->GetRect()))
                faults.push_back(std::to_string(controls[i]->GetControlID()) + " overlaps "
                    + std::to_string(controls[j]->GetControlID()));
        }
    }
    return faults;
}

// Every light mode attribute of the shipped description files.
std::vector<std::pair<int, int>> ShippedLightModes()
{
    std::vector<std::pair<int, int>> modes; // attribute, device type
    const std::pair<const char*, int> files[] { { "halcyon104", 201 }, { "tessel87", 101 } };
    for (const auto& [file, deviceType] : files) {
        XmlDocument xml;
        EXPECT_TRUE(xml.Load(std::string(CLAVORA_BIN_DIR) + "/layouts/" + file + ".xml"));
        if (!xml.FindElem("device.info"))
            continue;
        xml.IntoElem();
        if (!xml.FindElem("light"))
            continue;
        xml.IntoElem();
        while (xml.FindElem("info"))
            modes.emplace_back(std::stoi(xml.GetAttrib("attribute")), deviceType);
    }
    return modes;
}

} // namespace

class PageLayoutTest : public MainWndTest { };

TEST_F(PageLayoutTest, MacroPageControlsSitApartInsideTheWindow)
{
    Open();
    lumo::MControl* page = Control(ctl::kMacroLayout);
    ASSERT_NE(page, nullptr);
    EXPECT_GE(Foreground(page).size(), 30u);
    EXPECT_EQ(LayoutFaults(page), std::vector<std::string> {});
}

TEST_F(PageLayoutTest, EachLightModeShowsItsControlsApart)
{
    Open();
    lumo::MControl* page = Control(ctl::kLightLayout);
    ASSERT_NE(page, nullptr);
    const auto modes = ShippedLightModes();
    ASSERT_GE(modes.size(), 10u);
    // Every single parameter flag too, and the combinations a mode may well have.
    std::vector<std::pair<int, int>> cases = modes;
    for (int bit = 0; bit < 13; ++bit)
        cases.emplace_back(1 << bit, 201);
    cases.emplace_back(0x1FFF & ~0x0200, 201); // everything but the visualizer
    cases.emplace_back(0x1FFF & ~0x0800, 201); // everything but the area rows
    for (const auto& [flags, deviceType] : cases) {
        m_dlg->GetLightPage().ShowParameterControls(flags, deviceType);
        EXPECT_EQ(LayoutFaults(page), std::vector<std::string> {}) << "flags 0x" << std::hex << flags;
    }
}

TEST_F(PageLayoutTest, ParameterFlagsChooseTheControls)
{
    Open();
    LightPage& light = m_dlg->GetLightPage();
    auto shown = [this](lumo::UINT id) { return Control(id) && Control(id)->IsVisible(); };
    light.ShowParameterControls(0x0047, 201);
    EXPECT_TRUE(shown(ctl::kBrightness) && shown(ctl::kSpeed) && shown(ctl::kDirectionLeft));
    EXPECT_TRUE(shown(ctl::kPresetFirst1));
    EXPECT_FALSE(shown(ctl::kDirectionUp) || shown(ctl::kPresetFirst2) || shown(ctl::kSwatchFirst)
        || shown(ctl::kForeType) || shown(ctl::kAreaFirst));
    // Up/down only without left/right.
    light.ShowParameterControls(0x000C, 201);
    EXPECT_TRUE(shown(ctl::kDirectionLeft));
    EXPECT_FALSE(shown(ctl::kDirectionUp));
    light.ShowParameterControls(0x0008, 201);
    EXPECT_TRUE(shown(ctl::kDirectionUp) && shown(ctl::kDirectionDown));
    // The visualizer's feature-protocol rows only for device types 200-299.
    light.ShowParameterControls(0x0200, 101);
    EXPECT_TRUE(shown(ctl::kForeType) && shown(ctl::kBackBrightness));
    EXPECT_FALSE(shown(ctl::kMusicMode) || shown(ctl::kCapturePeriod) || shown(ctl::kMusicColourFirst));
    light.ShowParameterControls(0x0200, 201);
    EXPECT_TRUE(shown(ctl::kMusicMode) && shown(ctl::kCapturePeriod) && shown(ctl::kMusicColourFirst));
    // Per-key colours bring the colour editor and the slot list.
    light.ShowParameterControls(0x0101, 101);
    EXPECT_TRUE(shown(ctl::kRedSlider) && shown(ctl::kSwatchFirst) && shown(ctl::kCustomSlots) && shown(ctl::kModeColour));
    EXPECT_FALSE(shown(ctl::kMulticolour));
}

} // namespace clavora::test
