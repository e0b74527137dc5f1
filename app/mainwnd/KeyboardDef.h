#pragma once

// KeyboardDef - one pointer per control the main window creates, grouped by page. The
// dialog's paint manager owns the controls; these are plain references to them, null until
// built (and null for a class the toolkit does not offer, so every user checks).

#include "lumoui/Forward.h"

#include <array>

namespace lumo {
class BatteryCtrl;
class CArea;
class CDeviceCtrl;
class CRecordList;
class CirclePalette;
class DListBox;
class KeyFuncControl;
class KeyboardCtrl;
class UpgradeButton;
class CCheckButton;
class CColorButton;
class CImageButton;
class CRadioButton;
class MButton;
class MComboBox;
class MEdit;
class MPicture;
class MSlider;
class MTabCtrl;
class MTabLayout;
class MText;
} // namespace lumo

namespace clavora {

struct FrameControls {
    lumo::MPicture* background = nullptr;           // 30
    std::array<lumo::CArea*, 4> border {};          // 31 left, 32 top, 33 right, 34 bottom
    lumo::CArea* captionBar = nullptr;              // 35
    lumo::MPicture* captionPicture = nullptr;       // 36
    lumo::MPicture* logo = nullptr;                 // 37
    lumo::MText* title = nullptr;                   // 38
    lumo::MText* pageCaption = nullptr;             // 39
    lumo::MPicture* pageIcon = nullptr;             // 40
    lumo::CImageButton* close = nullptr;            // 41
    lumo::CImageButton* minimize = nullptr;         // 42
    lumo::CImageButton* website = nullptr;          // 44
    lumo::BatteryCtrl* battery = nullptr;          // 46
    lumo::MPicture* modeIcon = nullptr;             // 47
    lumo::CArea* tabBackground = nullptr;           // 48
    lumo::MTabCtrl* tabBar = nullptr;               // 49
    // 50 home, 51 keys, 52 light, 53 macros, 54 settings
    std::array<lumo::MTabLayout*, 5> pages {};
};

struct HomeControls {
    lumo::MText* status = nullptr;     // 55
    lumo::CDeviceCtrl* devices = nullptr; // 56
    lumo::MText* copyright = nullptr;  // 57
    lumo::MText* version = nullptr;    // 58
};

struct KeyPageControls {
    lumo::CArea* toolbar = nullptr;                   // 59
    std::array<lumo::CImageButton*, 5> profileButtons {}; // 60 add ... 64 export
    lumo::CArea* listBack = nullptr;                  // 65
    lumo::DListBox* profileList = nullptr;            // 66
    lumo::KeyboardCtrl* picture = nullptr;            // 67
    lumo::KeyFuncControl* chooser = nullptr;          // 69
};

struct MacroPageControls {
    lumo::CArea* listBack = nullptr;          // 205
    lumo::MText* listCaption = nullptr;       // 206
    lumo::DListBox* list = nullptr;           // 207
    lumo::MText* eventTypeLabel = nullptr;    // 208
    lumo::MComboBox* eventAction = nullptr;   // 209
    std::array<lumo::CRadioButton*, 3> eventKinds {}; // 210 key, 211 mouse button, 212 delay
    lumo::MEdit* keyCapture = nullptr;        // 213
    lumo::MEdit* eventNumber = nullptr;       // 214
    lumo::MComboBox* mouseButtons = nullptr;  // 215
    lumo::MButton* insert = nullptr;          // 216
    std::array<lumo::MButton*, 6> listButtons {}; // 217 new ... 222 rename
    lumo::MEdit* playCount = nullptr;         // 223
    lumo::MText* playCountLabel = nullptr;    // 224
    std::array<lumo::CRadioButton*, 3> delayKinds {}; // 225 recorded, 226 none, 227 fixed
    lumo::MEdit* fixedDelay = nullptr;        // 228
    lumo::MText* delayLabel = nullptr;        // 229
    lumo::MButton* recordStart = nullptr;     // 230
    lumo::MButton* recordStop = nullptr;      // 231
    lumo::CArea* eventListBack = nullptr;     // 232
    lumo::MText* eventListCaption = nullptr;  // 233
    std::array<lumo::CImageButton*, 4> eventButtons {}; // 234 time, 235 up, 236 down, 237 delete
    lumo::CArea* headerBack = nullptr;        // 238
    std::array<lumo::MText*, 3> headers {};   // 239 key, 240 action, 241 delay
    lumo::CRecordList* events = nullptr;      // 242
    lumo::MButton* save = nullptr;            // 243
};

struct LightPageControls {
    lumo::CArea* listBack = nullptr;          // 70
    lumo::DListBox* modes = nullptr;          // 71
    lumo::KeyboardCtrl* picture = nullptr;    // 72
    lumo::CArea* paramsBack = nullptr;        // 73
    lumo::MText* brightnessLabel = nullptr;   // 74
    lumo::MSlider* brightness = nullptr;      // 75
    lumo::MText* speedLabel = nullptr;        // 76
    lumo::MSlider* speed = nullptr;           // 77
    lumo::MText* directionLabel = nullptr;    // 78
    std::array<lumo::CRadioButton*, 4> directions {}; // 79 left, 80 right, 81 up, 82 down
    std::array<lumo::MText*, 3> presetLabels {};      // 83, 92, 101
    std::array<std::array<lumo::CColorButton*, 8>, 3> presets {}; // 84-91, 93-100, 102-109
    lumo::MComboBox* customSlots = nullptr;   // 110
    lumo::MButton* customSlotButton = nullptr; // 111
    lumo::CColorButton* modeColour = nullptr; // 112
    lumo::CCheckButton* multicolour = nullptr; // 113
    lumo::MText* colourLabel = nullptr;       // 114
    lumo::CArea* editorBack = nullptr;        // 115
    lumo::CirclePalette* wheel = nullptr;      // 116
    std::array<lumo::MText*, 3> rgbLabels {};   // 117-119
    std::array<lumo::MSlider*, 3> rgbSliders {}; // 120-122
    std::array<lumo::MEdit*, 3> rgbEdits {};     // 123-125
    std::array<lumo::CColorButton*, 9> swatches {}; // 126-134
    // Visualizer: 135/136, 137/138, 139/140, 141/142, 143/144, 145/146, 147/148.
    std::array<lumo::MText*, 8> musicLabels {};  // 135, 137, ..., 147, 149
    lumo::MComboBox* foreType = nullptr;      // 136
    lumo::MSlider* gain = nullptr;            // 138
    lumo::MComboBox* backType = nullptr;      // 140
    lumo::MSlider* backBrightness = nullptr;  // 142
    lumo::MComboBox* musicMode = nullptr;     // 144
    lumo::MSlider* levelGain = nullptr;       // 146
    lumo::MComboBox* capturePeriod = nullptr; // 148
    std::array<lumo::CColorButton*, 7> musicColours {}; // 150-156
    std::array<lumo::MText*, 6> areaLabels {};           // 157, 165, ..., 197
    std::array<std::array<lumo::CColorButton*, 7>, 6> areas {}; // 158-164 ... 198-204
};

struct SettingsControls {
    lumo::CArea* background = nullptr;        // 244
    lumo::MText* languageLabel = nullptr;     // 245
    lumo::MComboBox* languages = nullptr;     // 246
    lumo::CCheckButton* autostart = nullptr;  // 247
    lumo::MButton* languageApply = nullptr;   // 248
    lumo::MButton* restore = nullptr;         // 249
    lumo::UpgradeButton* softwareUpdate = nullptr; // 250
    lumo::UpgradeButton* firmwareUpdate = nullptr; // 251
    lumo::KeyboardCtrl* picture = nullptr;    // 252
};

struct KeyboardDef {
    FrameControls frame;
    HomeControls home;
    KeyPageControls keys;
    MacroPageControls macros;
    LightPageControls light;
    SettingsControls settings;
};

} // namespace clavora
