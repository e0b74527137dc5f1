#include "mainwnd/LightPage.h"

#include "lumoui/CArea.h"
#include "lumoui/CCheckButton.h"
#include "lumoui/CColorButton.h"
#include "lumoui/CRadioButton.h"
#include "lumoui/CirclePalette.h"
#include "lumoui/KeyboardCtrl.h"
#include "lumoui/MButton.h"
#include "lumoui/MComboBox.h"
#include "lumoui/MEdit.h"
#include "lumoui/MSlider.h"
#include "lumoui/MTabLayout.h"
#include "description/KeyboardModel.h"
#include "lumoui/DListBox.h"
#include "platform/Settings.h"
#include "mainwnd/ControlIds.h"
#include "mainwnd/KeyboardDef.h"
#include "mainwnd/KeyboardDlg.h"
#include "mainwnd/PageKit.h"

#include <array>
#include <string>
#include <vector>

namespace clavora {

namespace {

using lumo::CRect;
using lumo::UINT;


// Colours (0x00BBGGRR) of the preset rows after their first button.
constexpr std::array<lumo::COLORREF, 7> kPresetColours { 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF,
    0xFFFF00, 0xFFFFFF };
// The colour editor's swatches: black, red, green, blue, yellow, magenta, cyan, white, black.
constexpr std::array<lumo::COLORREF, 9> kSwatchColours { 0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF,
    0xFF00FF, 0xFFFF00, 0xFFFFFF, 0x000000 };
// The music colours: red, green, blue, yellow, magenta, cyan, white.
constexpr std::array<lumo::COLORREF, 7> kMusicColours = kPresetColours;
// The area rows, button by button.
constexpr lumo::COLORREF kAreaRowA[7] { 0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF, 0xFFFFFF };
constexpr lumo::COLORREF kAreaRow4[7] { 0x0000FF, 0x00FFFF, 0x00FF00, 0x00FF00, 0xFF0000, 0xFF00FF, 0xFFFFFF };
constexpr lumo::COLORREF kAreaRow6[7] { 0x0000FF, 0x00FF00, 0xFF0000, 0xFF00FF, 0x00FFFF, 0xFFFF00, 0xFFFFFF };
constexpr const lumo::COLORREF* kAreaRows[6] { kAreaRowA, kAreaRowA, kAreaRowA, kAreaRow4, kAreaRowA, kAreaRow6 };

// Label texts.
constexpr int kTextBrightness = 451;
constexpr int kTextSpeed = 452;
constexpr int kTextDirection = 453;
constexpr int kTextColour = 454;
constexpr int kTextPresets = 455;
constexpr int kTextMulticolour = 456;
constexpr int kTextRed = 457;
constexpr int kTextApply = 152;
constexpr int kTextCustomSlot = 86;
constexpr int kTextFirstArea = 541;
// Visualizer labels 135, 137, ..., 149 and their texts.
constexpr std::array<int, 8> kMusicLabelTexts { 461, 462, 463, 464, 465, 466, 467, 468 };

struct ListEntry {
    long data;
    int text; // 0: the label is fixed
    const char* fixed;
};
constexpr ListEntry kForeTypes[] { { 9, 106, nullptr }, { 13, 107, nullptr }, { 14, 108, nullptr },
    { 17, 109, nullptr }, { 19, 110, nullptr }, { 1, 111, nullptr }, { 2, 112, nullptr }, { 3, 113, nullptr },
    { 4, 114, nullptr }, { 5, 115, nullptr }, { 7, 118, nullptr } };
constexpr ListEntry kBackTypes[] { { 0, 117, nullptr }, { 1, 111, nullptr }, { 2, 112, nullptr },
    { 3, 113, nullptr }, { 4, 114, nullptr }, { 7, 118, nullptr }, { 5, 115, nullptr }, { 9, 106, nullptr },
    { 13, 107, nullptr }, { 14, 108, nullptr }, { 17, 109, nullptr }, { 19, 110, nullptr } };
constexpr ListEntry kMusicModes[] { { 1, 120, nullptr }, { 2, 121, nullptr } };
constexpr ListEntry kCapturePeriods[] { { 33, 0, "33ms" }, { 66, 0, "66ms" }, { 99, 0, "99ms" } };
constexpr int kCustomSlotCount = 3;

constexpr double kLevelGainDivisor = 50.0;
constexpr int kLightPreviewMode = 102;

// Layout: rows of the parameter columns.
constexpr int kRowPitch = 38;
constexpr int kLabelWidth = 90;
constexpr int kSwatchSize = 22;
constexpr int kSwatchPitch = 25;

lumo::CColorButton* MakeColour(lumo::MTabLayout* page, UINT id, lumo::COLORREF colour, const std::string& group)
{
    auto* button = MakeControl<lumo::CColorButton>(page, "CColorButton", id);
    if (button) {
        button->SetColor(colour);
        button->SetGroupName(group);
    }
    return button;
}

void Fill(lumo::MComboBox* combo, const ListEntry* entries, size_t count)
{
    if (!combo)
        return;
    const long chosen = combo->GetCurData();
    const bool hadChoice = combo->GetCurSel() >= 0;
    combo->DelAllItems();
    for (size_t i = 0; i < count; ++i)
        combo->AddItem(entries[i].fixed ? entries[i].fixed : Text(entries[i].text), entries[i].data);
    if (!hadChoice || !combo->SelectData(chosen))
        combo->SetCurSel(0);
}

// A row of swatch-sized colour buttons starting at x.
template <size_t N> void PlaceRow(std::array<lumo::CColorButton*, N>& row, int x, int y, int pitch)
{
    for (size_t i = 0; i < N; ++i) {
        const int left = x + pitch * static_cast<int>(i);
        Place(row[i], CRect(left, y, left + kSwatchSize, y + kSwatchSize));
    }
}

template <class Range> void ShowAll(const Range& controls, bool visible)
{
    for (auto* control : controls)
        Show(control, visible);
}

} // namespace

LightPage::LightPage(KeyboardDlg& dlg, LightPageControls& controls)
    : m_dlg(dlg)
    , m_c(controls)
{
    m_commonRows.fill(true);
}

void LightPage::Build(lumo::MTabLayout* page)
{
    BuildModeArea(page);
    BuildCommonColumn(page);
    BuildColourEditor(page);
    BuildVisualizer(page);
    BuildAreas(page);
    FillLists();
}

void LightPage::BuildModeArea(lumo::MTabLayout* page)
{
    m_c.listBack = MakeArea(page, ctl::kModeListBack, 70);
    m_c.modes = MakeNameList(page, ctl::kModeList, false);
    m_c.picture = MakeControl<lumo::KeyboardCtrl>(page, "KeyboardCtrl", ctl::kLightPicture);
    if (m_c.picture)
        m_c.picture->SetKeyboardCtrlMode(kLightPreviewMode);
    m_c.paramsBack = MakeArea(page, ctl::kLightParamsBack, 70);
}

void LightPage::BuildCommonColumn(lumo::MTabLayout* page)
{
    m_c.brightnessLabel = MakeLabel(page, ctl::kBrightnessLabel, Text(kTextBrightness));
    m_c.brightness = MakeSlider(page, ctl::kBrightness, 4);
    m_c.speedLabel = MakeLabel(page, ctl::kSpeedLabel, Text(kTextSpeed));
    m_c.speed = MakeSlider(page, ctl::kSpeed, 4);

    m_c.directionLabel = MakeLabel(page, ctl::kDirectionLabel, Text(kTextDirection));
    static constexpr const char* kDirectionImages[4] { "btn_direction_left.png", "btn_direction_right.png",
        "btn_direction_top.png", "btn_direction_bottom.png" };
    for (int i = 0; i < 4; ++i) {
        auto* button = MakeControl<lumo::CRadioButton>(page, "CRadioButton", ctl::kDirectionLeft + i);
        if (button) {
            button->SetImage(kDirectionImages[i], 8);
            button->SetGroupName(i < 2 ? "LIGHT_DIRECTION_LR" : "LIGHT_DIRECTION_UD");
        }
        m_c.directions[static_cast<size_t>(i)] = button;
    }
    // Left and up start checked.
    if (m_c.directions[0])
        m_c.directions[0]->SetCheck(true);
    if (m_c.directions[2])
        m_c.directions[2]->SetCheck(true);

    m_c.colourLabel = MakeLabel(page, ctl::kColourLabel, Text(kTextColour));
    m_c.modeColour = MakeColour(page, ctl::kModeColour, 0x0000FF, "IDC_CUSTOMLIGHT_STC_LIGHTCOLOR");
    if (m_c.modeColour)
        m_c.modeColour->SetShowBorder(true);
    m_c.multicolour = MakeControl<lumo::CCheckButton>(page, "CCheckButton", ctl::kMulticolour, Text(kTextMulticolour));
    if (m_c.multicolour) {
        m_c.multicolour->SetImage("btn_checkbox.png", 8);
        m_c.multicolour->SetTextColor(kTextWhite);
    }

    constexpr UINT kLabels[3] { ctl::kPresetLabel1, ctl::kPresetLabel2, ctl::kPresetLabel3 };
    constexpr UINT kFirsts[3] { ctl::kPresetFirst1, ctl::kPresetFirst2, ctl::kPresetFirst3 };
    for (size_t group = 0; group < 3; ++group) {
        m_c.presetLabels[group] = MakeLabel(page, kLabels[group], Text(kTextPresets));
        const std::string name = "LIGHT_PRESET_" + std::to_string(group + 1);
        auto& row = m_c.presets[group];
        // Rows 1 and 3 open with the multicolour button, row 2 with black.
        row[0] = MakeColour(page, kFirsts[group], 0x000000, name);
        if (row[0] && group != 1)
            row[0]->SetImage("btn_colorful.png", 1);
        for (size_t i = 1; i < row.size(); ++i)
            row[i] = MakeColour(page, kFirsts[group] + static_cast<UINT>(i), kPresetColours[i - 1], name);
        if (row[0])
            row[0]->SetCheck(true);
    }

    m_c.customSlots = MakeCombo(page, ctl::kCustomSlots);
    m_c.customSlotButton = MakeApplyButton(page, ctl::kCustomSlotButton, Text(kTextApply));
}

void LightPage::BuildColourEditor(lumo::MTabLayout* page)
{
    m_c.editorBack = MakeControl<lumo::CArea>(page, "CArea", ctl::kColourEditorBack);
    if (m_c.editorBack)
        m_c.editorBack->SetTransparent(60, 60, 0x000000);
    m_c.wheel = MakeControl<lumo::CirclePalette>(page, "CirclePalette", ctl::kColourWheel);
    if (m_c.wheel)
        m_c.wheel->SetImage("img_color_wheel.png", 1);
    for (size_t i = 0; i < 3; ++i) {
        const UINT offset = static_cast<UINT>(i);
        m_c.rgbLabels[i] = MakeLabel(page, ctl::kRedLabel + offset, Text(kTextRed + static_cast<int>(i)));
        m_c.rgbSliders[i] = MakeSlider(page, ctl::kRedSlider + offset, 255);
        auto* edit = MakeEdit(page, ctl::kRedEdit + offset, "0", true);
        if (edit)
            edit->SetLimitText(3);
        m_c.rgbEdits[i] = edit;
    }
    for (size_t i = 0; i < m_c.swatches.size(); ++i) {
        m_c.swatches[i] = MakeColour(page, ctl::kSwatchFirst + static_cast<UINT>(i), kSwatchColours[i],
            "IDC_LIGHT_STC_DEFAULTCOLOR");
        if (m_c.swatches[i])
            m_c.swatches[i]->SetShowBorder(true);
    }
}

void LightPage::BuildVisualizer(lumo::MTabLayout* page)
{
    for (size_t i = 0; i < m_c.musicLabels.size(); ++i)
        m_c.musicLabels[i] = MakeLabel(page, ctl::kForeTypeLabel + 2 * static_cast<UINT>(i), Text(kMusicLabelTexts[i]));
    m_c.foreType = MakeCombo(page, ctl::kForeType);
    m_c.gain = MakeSlider(page, ctl::kGain, 200);
    m_c.backType = MakeCombo(page, ctl::kBackType);
    m_c.backBrightness = MakeSlider(page, ctl::kBackBrightness, 100);
    m_c.musicMode = MakeCombo(page, ctl::kMusicMode);
    m_c.levelGain = MakeSlider(page, ctl::kLevelGain, 200);
    m_c.capturePeriod = MakeCombo(page, ctl::kCapturePeriod);
    for (size_t i = 0; i < m_c.musicColours.size(); ++i) {
        m_c.musicColours[i]
            = MakeColour(page, ctl::kMusicColourFirst + static_cast<UINT>(i), kMusicColours[i], "LIGHT_MUSIC_COLOR");
        if (m_c.musicColours[i])
            m_c.musicColours[i]->SetShowBorder(true);
    }
    if (m_c.musicColours[0])
        m_c.musicColours[0]->SetCheck(true);
    ResetVisualizerControls();
}

void LightPage::BuildAreas(lumo::MTabLayout* page)
{
    for (size_t row = 0; row < m_c.areas.size(); ++row) {
        const UINT label = ctl::kAreaLabelFirst + 8 * static_cast<UINT>(row);
        m_c.areaLabels[row] = MakeLabel(page, label, Text(kTextFirstArea + static_cast<int>(row)));
        const std::string group = "IDC_LIGHT_CUSTOM_STC_AREA" + std::to_string(row + 1);
        for (size_t i = 0; i < m_c.areas[row].size(); ++i) {
            auto* button = MakeColour(page, label + 1 + static_cast<UINT>(i), kAreaRows[row][i], group);
            if (button)
                button->SetShowBorder(true);
            m_c.areas[row][i] = button;
        }
    }
}

void LightPage::FillLists()
{
    Fill(m_c.foreType, kForeTypes, std::size(kForeTypes));
    Fill(m_c.backType, kBackTypes, std::size(kBackTypes));
    Fill(m_c.musicMode, kMusicModes, std::size(kMusicModes));
    Fill(m_c.capturePeriod, kCapturePeriods, std::size(kCapturePeriods));
    if (m_c.customSlots) {
        const int chosen = m_c.customSlots->GetCurSel();
        m_c.customSlots->DelAllItems();
        for (int slot = 1; slot <= kCustomSlotCount; ++slot)
            m_c.customSlots->AddItem(Text(kTextCustomSlot) + " " + std::to_string(slot), slot);
        m_c.customSlots->SetCurSel(chosen >= 0 ? chosen : 0);
    }
}

void LightPage::Layout(const CRect& client)
{
    const int w = client.Width();
    const int h = client.Height();
    Place(m_c.listBack, CRect(80, 50, 320, h - 1));
    Place(m_c.modes, CRect(80, 60, 320, h - 1));
    const CRect picture = m_pictureRect.IsRectEmpty() ? CRect(340, 110, w - 20, 390) : m_pictureRect;
    Place(m_c.picture, picture);

    const int top = std::max(picture.bottom, 110) + 10;
    m_paramsTop = top + 4;
    Place(m_c.paramsBack, CRect(330, top - 2, w - 1, h - 1));
    LayoutCommonColumn(m_paramsTop);
    LayoutColourEditor(top, h - 6);
    LayoutRightColumn(top + 4);
}

void LightPage::LayoutCommonColumn(int top)
{
    constexpr int x = 340;
    constexpr int controls = x + kLabelWidth + 5; // 435
    constexpr int right = 640;
    // Row r's place among the rows shown (hidden rows keep the place after the last shown).
    int places[8];
    int next = 0;
    for (size_t r = 0; r < m_commonRows.size(); ++r)
        places[r] = m_commonRows[r] ? next++ : next;
    auto row = [top, &places](int r) { return top + places[r] * kRowPitch; };
    auto label = [](lumo::MControl* c, int y) { Place(c, CRect(x, y, x + kLabelWidth, y + 32)); };

    label(m_c.brightnessLabel, row(0));
    Place(m_c.brightness, CRect(controls, row(0) - 2, right, row(0) + 34));
    label(m_c.speedLabel, row(1));
    Place(m_c.speed, CRect(controls, row(1) - 2, right, row(1) + 34));

    label(m_c.directionLabel, row(2));
    const int directionX[4] { controls, controls + 37, controls + 79, controls + 116 };
    for (size_t i = 0; i < 4; ++i)
        Place(m_c.directions[i], CRect(directionX[i], row(2), directionX[i] + 32, row(2) + 32));

    label(m_c.colourLabel, row(3));
    Place(m_c.modeColour, CRect(controls, row(3) + 4, controls + 40, row(3) + 28));
    Place(m_c.multicolour, CRect(controls + 55, row(3), right, row(3) + 32));

    for (size_t group = 0; group < 3; ++group) {
        const int y = row(4 + static_cast<int>(group));
        label(m_c.presetLabels[group], y);
        PlaceRow(m_c.presets[group], controls, y + 5, kSwatchPitch);
    }

    Place(m_c.customSlots, CRect(x, row(7), x + 180, row(7) + 30));
    Place(m_c.customSlotButton, CRect(x + 190, row(7), x + 290, row(7) + 30));
}

void LightPage::LayoutColourEditor(int top, int bottom)
{
    constexpr int left = 655;
    constexpr int right = 960;
    Place(m_c.editorBack, CRect(left, top, right, bottom));
    Place(m_c.wheel, CRect(left + 10, top + 8, left + 150, top + 148));
    for (size_t i = 0; i < 3; ++i) {
        const int y = top + 18 + 40 * static_cast<int>(i);
        Place(m_c.rgbLabels[i], CRect(left + 160, y, left + 220, y + 30));
        Place(m_c.rgbEdits[i], CRect(left + 225, y, left + 295, y + 30));
        const int sy = top + 152 + 38 * static_cast<int>(i);
        Place(m_c.rgbSliders[i], CRect(left + 10, sy, right - 5, sy + 36));
    }
    PlaceRow(m_c.swatches, left + 10, top + 270, 30);
}

void LightPage::LayoutRightColumn(int top)
{
    constexpr int x = 975;
    constexpr int controls = 1090;
    const int right = m_c.paramsBack ? m_c.paramsBack->GetRect().right - 11 : 1268;
    auto row = [top](int r) { return top + r * kRowPitch; };

    // The visualizer: a label and its list or slider on each row, the colours last.
    lumo::MControl* const musicControls[7] { m_c.foreType, m_c.gain, m_c.backType, m_c.backBrightness,
        m_c.musicMode, m_c.levelGain, m_c.capturePeriod };
    for (size_t r = 0; r < m_c.musicLabels.size(); ++r) {
        const int y = row(static_cast<int>(r));
        Place(m_c.musicLabels[r], CRect(x, y, controls - 5, y + 32));
        if (r < 7) {
            const bool slider = r % 2 == 1;
            Place(musicControls[r], slider ? CRect(controls, y - 2, right, y + 34) : CRect(controls, y, right, y + 30));
        }
    }
    PlaceRow(m_c.musicColours, controls, row(7) + 5, kSwatchPitch);

    // The area rows take the same place: a mode shows one set or the other.
    for (size_t r = 0; r < m_c.areas.size(); ++r) {
        const int y = row(static_cast<int>(r));
        Place(m_c.areaLabels[r], CRect(x, y, x + 80, y + 32));
        PlaceRow(m_c.areas[r], x + 85, y + 5, 28);
    }
}

void LightPage::ShowParameterControls(int flags, int deviceType)
{
    using namespace light;
    const bool brightness = flags & kBrightness;
    const bool speed = flags & kSpeed;
    const bool leftRight = flags & kDirectionLeftRight;
    const bool upDown = (flags & kDirectionUpDown) && !leftRight;
    const bool custom = flags & kCustomColours;
    const bool editor = (flags & kColourEditor) || custom;
    const bool colourButton = (flags & kColourButton) || custom;
    const bool music = flags & kMusic;
    const bool featureFamily = deviceType >= 200 && deviceType <= 299;
    m_commonRows = { brightness, speed, leftRight || upDown, colourButton, (flags & kPresets1) != 0,
        (flags & kPresets2) != 0, (flags & kPresets3) != 0, custom };
    if (m_paramsTop > 0)
        LayoutCommonColumn(m_paramsTop);

    Show(m_c.brightnessLabel, brightness);
    Show(m_c.brightness, brightness);
    Show(m_c.speedLabel, speed);
    Show(m_c.speed, speed);
    Show(m_c.directionLabel, leftRight || upDown);
    Show(m_c.directions[0], leftRight);
    Show(m_c.directions[1], leftRight);
    Show(m_c.directions[2], upDown);
    Show(m_c.directions[3], upDown);

    Show(m_c.colourLabel, colourButton);
    Show(m_c.modeColour, colourButton);
    Show(m_c.multicolour, (flags & kColourButton) != 0);
    constexpr int kPresetFlags[3] { kPresets1, kPresets2, kPresets3 };
    for (size_t group = 0; group < 3; ++group) {
        const bool shown = flags & kPresetFlags[group];
        Show(m_c.presetLabels[group], shown);
        ShowAll(m_c.presets[group], shown);
    }
    Show(m_c.customSlots, custom);
    Show(m_c.customSlotButton, custom);

    Show(m_c.editorBack, editor);
    Show(m_c.wheel, editor);
    ShowAll(m_c.rgbLabels, editor);
    ShowAll(m_c.rgbSliders, editor);
    ShowAll(m_c.rgbEdits, editor);
    ShowAll(m_c.swatches, editor);

    // The first four visualizer rows serve every keyboard; the music mode, level gain,
    // capture period and colours only the feature-protocol family.
    for (size_t r = 0; r < m_c.musicLabels.size(); ++r)
        Show(m_c.musicLabels[r], music && (r < 4 || featureFamily));
    Show(m_c.foreType, music);
    Show(m_c.gain, music);
    Show(m_c.backType, music);
    Show(m_c.backBrightness, music);
    Show(m_c.musicMode, music && featureFamily);
    Show(m_c.levelGain, music && featureFamily);
    Show(m_c.capturePeriod, music && featureFamily);
    ShowAll(m_c.musicColours, music && featureFamily);

    const bool areas = (flags & kAreas) && !music;
    ShowAll(m_c.areaLabels, areas);
    for (auto& row : m_c.areas)
        ShowAll(row, areas);
}

void LightPage::ShowDefaultMode(const KeyboardModel& model)
{
    if (m_c.modes) {
        m_c.modes->DeleteAllItems();
        for (const LightModeInfo& mode : model.lightModes)
            m_c.modes->AddString(Text(DecimalToInt(mode.name)), mode.mode, 0);
    }
    int flags = 0;
    for (const LightModeInfo& mode : model.lightModes) {
        if (mode.mode == model.defaultMode || &mode == &model.lightModes.front()) {
            flags = mode.attribute;
            if (m_c.modes)
                m_c.modes->SetCurData(mode.mode);
        }
        if (mode.mode == model.defaultMode)
            break;
    }
    ShowParameterControls(flags, model.deviceType);
}

void LightPage::SetSliderMaxima(int brightnessMax, int speedMax)
{
    if (m_c.brightness)
        m_c.brightness->SetMaxProgress(brightnessMax);
    if (m_c.speed)
        m_c.speed->SetMaxProgress(speedMax);
}

void LightPage::ResetVisualizerControls()
{
    if (m_c.foreType)
        m_c.foreType->SetCurSel(0);
    if (m_c.backType)
        m_c.backType->SetCurSel(0);
    if (m_c.gain)
        m_c.gain->SetProgress(60);
    if (m_c.backBrightness)
        m_c.backBrightness->SetProgress(100);
}

void LightPage::RefreshTexts()
{
    SetTitle(m_c.brightnessLabel, Text(kTextBrightness));
    SetTitle(m_c.speedLabel, Text(kTextSpeed));
    SetTitle(m_c.directionLabel, Text(kTextDirection));
    SetTitle(m_c.colourLabel, Text(kTextColour));
    SetTitle(m_c.multicolour, Text(kTextMulticolour));
    for (auto* label : m_c.presetLabels)
        SetTitle(label, Text(kTextPresets));
    SetTitle(m_c.customSlotButton, Text(kTextApply));
    for (size_t i = 0; i < 3; ++i)
        SetTitle(m_c.rgbLabels[i], Text(kTextRed + static_cast<int>(i)));
    for (size_t i = 0; i < m_c.musicLabels.size(); ++i)
        SetTitle(m_c.musicLabels[i], Text(kMusicLabelTexts[i]));
    for (size_t i = 0; i < m_c.areaLabels.size(); ++i)
        SetTitle(m_c.areaLabels[i], Text(kTextFirstArea + static_cast<int>(i)));
    FillLists();
    // The mode names come from the stored light settings.
    ReloadModeList();
}

// --- Feature entry points ---------------------------------------------------------------------

void LightPage::Reload() { }
void LightPage::ReloadModeList() { }
lumo::LRESULT LightPage::OnModeList(UINT, lumo::WPARAM, lumo::LPARAM) { return 0; }
lumo::LRESULT LightPage::OnPicture(UINT, lumo::WPARAM, lumo::LPARAM) { return 0; }
lumo::LRESULT LightPage::OnColourWheel(UINT, lumo::WPARAM, lumo::LPARAM) { return 0; }
lumo::LRESULT LightPage::OnRgbEdit(UINT, UINT) { return 0; }
lumo::LRESULT LightPage::OnBrightnessOrSpeed(UINT) { return 0; }
lumo::LRESULT LightPage::OnDirection(UINT) { return 0; }
lumo::LRESULT LightPage::OnPreset(UINT) { return 0; }
lumo::LRESULT LightPage::OnMulticolour() { return 0; }
lumo::LRESULT LightPage::OnRgbSlider(UINT) { return 0; }
lumo::LRESULT LightPage::OnSwatch(UINT) { return 0; }
lumo::LRESULT LightPage::OnCustomSlots() { return 0; }
lumo::LRESULT LightPage::OnVisualizerControl(UINT) { return 0; }
lumo::LRESULT LightPage::OnAreaColour(UINT) { return 0; }

// --- Settings the routing stores itself -------------------------------------------------------

void LightPage::OnMusicMode()
{
    if (m_c.musicMode)
        m_musicMode.store(static_cast<int>(m_c.musicMode->GetCurData()));
}

void LightPage::OnLevelGain()
{
    if (m_c.levelGain)
        m_levelGain.store(m_c.levelGain->GetProgress() / kLevelGainDivisor);
}

void LightPage::OnCapturePeriod()
{
    if (!m_c.capturePeriod)
        return;
    if (const long period = m_c.capturePeriod->GetCurData(); period != 0)
        m_dlg.SetAudioCapturePeriod(static_cast<int>(period));
}

void LightPage::OnMusicColour(UINT id)
{
    m_musicColour.store(static_cast<int>(id - ctl::kMusicColourFirst));
}

} // namespace clavora
