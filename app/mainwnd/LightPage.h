#pragma once

// LightPage - the light page: the mode list on the left, the keyboard picture, and below it
// the parameters of the shown mode in three columns: the common ones (brightness, speed,
// direction, colour, the three preset rows, the custom slot list), the colour editor, and
// either the visualizer's controls or the six area rows.
//
//   Build, Layout, RefreshTexts    the page itself
//   ShowParameterControls          which controls a mode's parameter flags show
//   On...                          the notifications the main window routes here; the light
//                                  modes, per-key colours, visualizer and screen light fill
//                                  them. Until then they do nothing and return 0.
//   State set directly by routing  music mode, level gain, music colour (the capture period
//                                  goes to the main window's audio capture)

#include "lumoui/Types.h"

#include <array>
#include <atomic>

namespace lumo {
class MTabLayout;
} // namespace lumo

namespace clavora {

class KeyboardDlg;
struct KeyboardModel;
struct LightPageControls;

// Parameter flags of a light mode.
namespace light {
inline constexpr int kBrightness = 0x0001;
inline constexpr int kSpeed = 0x0002;
inline constexpr int kDirectionLeftRight = 0x0004;
inline constexpr int kDirectionUpDown = 0x0008;
inline constexpr int kColourEditor = 0x0010;
inline constexpr int kColourButton = 0x0020;
inline constexpr int kPresets1 = 0x0040;
inline constexpr int kPresets2 = 0x0080;
inline constexpr int kCustomColours = 0x0100;
inline constexpr int kMusic = 0x0200;
inline constexpr int kScreen = 0x0400;
inline constexpr int kAreas = 0x0800;
inline constexpr int kPresets3 = 0x1000;
} // namespace light

class LightPage {
public:
    LightPage(KeyboardDlg& dlg, LightPageControls& controls);

    void Build(lumo::MTabLayout* page);
    void Layout(const lumo::CRect& client);
    void RefreshTexts();

    // Shows exactly the controls the flags ask for (music controls of the feature-protocol
    // family only for device types 200-299) and hides the others.
    void ShowParameterControls(int flags, int deviceType);
    // The model's light modes in the list, and the controls of its default mode (or its first),
    // for a page the stored light settings were not shown on yet.
    void ShowDefaultMode(const KeyboardModel& model);

    // The keyboard picture's place as the device description gives it.
    void SetPictureRect(const lumo::CRect& rect) { m_pictureRect = rect; }
    void SetSliderMaxima(int brightnessMax, int speedMax);
    // The visualizer's lists and sliders back to their start values.
    void ResetVisualizerControls();

    // --- Feature entry points ----------------------------------------------------------------
    void Reload();         // the page and its option lists
    void ReloadModeList(); // when the light tab is chosen
    lumo::LRESULT OnModeList(lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam);
    lumo::LRESULT OnPicture(lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam);
    lumo::LRESULT OnColourWheel(lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam);
    lumo::LRESULT OnRgbEdit(lumo::UINT id, lumo::UINT code);
    lumo::LRESULT OnBrightnessOrSpeed(lumo::UINT id);
    lumo::LRESULT OnDirection(lumo::UINT id);
    lumo::LRESULT OnPreset(lumo::UINT id);
    lumo::LRESULT OnMulticolour();
    lumo::LRESULT OnRgbSlider(lumo::UINT id);
    lumo::LRESULT OnSwatch(lumo::UINT id);
    lumo::LRESULT OnCustomSlots();
    lumo::LRESULT OnVisualizerControl(lumo::UINT id);
    lumo::LRESULT OnAreaColour(lumo::UINT id);

    // --- Settings the routing stores itself --------------------------------------------------
    void OnMusicMode();    // 144: its current data
    void OnLevelGain();    // 146: position / 50
    void OnCapturePeriod(); // 148: its current data becomes the audio capture period, unless 0
    void OnMusicColour(lumo::UINT id); // 150-156: the index

    int GetMusicMode() const { return m_musicMode.load(); }
    double GetLevelGain() const { return m_levelGain.load(); }
    int GetMusicColourIndex() const { return m_musicColour.load(); }

private:
    void BuildModeArea(lumo::MTabLayout* page);
    void BuildCommonColumn(lumo::MTabLayout* page);
    void BuildColourEditor(lumo::MTabLayout* page);
    void BuildVisualizer(lumo::MTabLayout* page);
    void BuildAreas(lumo::MTabLayout* page);
    void FillLists();
    // The common column's rows that are shown follow each other without gaps.
    void LayoutCommonColumn(int top);
    void LayoutColourEditor(int top, int bottom);
    void LayoutRightColumn(int top);

    KeyboardDlg& m_dlg;
    LightPageControls& m_c;
    lumo::CRect m_pictureRect;
    int m_paramsTop = 0;
    // Brightness, speed, direction, colour, the three preset rows, the custom slots.
    std::array<bool, 8> m_commonRows {};

    // Read by the audio capture and the worker.
    std::atomic<int> m_musicMode { 1 };
    std::atomic<double> m_levelGain { 1.0 };
    std::atomic<int> m_musicColour { 0 };
};

} // namespace clavora
