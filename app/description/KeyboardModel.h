#pragma once

// KeyboardModel - what the program knows about the keyboard model in use, rebuilt from the
// model's description file by every description load.
//
//   Menu flags     which pages and keyboard pictures the model has
//   Light modes    the built-in lighting modes and their defaults
//   Keys           the key items, the two key index maps and the 8 x 32 key grid
//   Row / column   the text forms of a key's grid cell and rectangle
//
// The worker thread reads the model while it runs device tasks; loads happen on the window
// thread while no task runs, so the model carries no lock of its own.

#include "lumoui/Types.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace clavora {

// Menu flag bits. Each names a page and/or the keyboard picture that lives on it.
inline constexpr int kMenuKeyPage = 0x01;       // key page and its picture (always set)
inline constexpr int kMenuMacroPage = 0x02;     // macro page
inline constexpr int kMenuLightPage = 0x04;     // light page and its picture
inline constexpr int kMenuSettingsPicture = 0x40; // settings page's picture (always set)
// Before any description file is read every page and picture is offered.
inline constexpr int kMenuFlagsDefault = 0x7F;

inline constexpr int kGridRows = 8;
inline constexpr int kGridColumns = 32;
inline constexpr uint8_t kNoKeyInCell = 0xFF;

// The key value of the keyboard's Fn key in the layout files; it cannot be assigned.
inline constexpr int kFnKeyCode = 255;

// One lighting mode of the model, in file order.
struct LightModeInfo {
    std::string name; // language text number of the mode's name, as written in the file
    int mode = 0;     // the keyboard's own mode number
    int attribute = 0; // parameter flags
};

// One key of the layout, in file order.
struct KeyItem {
    std::string name; // drawn on the key cap
    std::string desc; // the key's label
    int code = 0;     // HID usage; the value the key is known by everywhere else
    lumo::CRect rect; // on the keyboard picture
    std::string icon;
    int keyIndex = 0; // position in the keyboard's own key and LED tables
    int row = -1;     // grid cell, -1 when the key has none
    int column = -1;
};

struct GridCell {
    int row = 0;
    int column = 0;
};

// "R,C": R is the first character, C the last character when the text has exactly three
// characters and the last two otherwise, each read as a decimal number. Empty text names
// no cell; any other text names one, which may lie outside the grid.
std::optional<GridCell> ParseRowCol(std::string_view text);

// "x#y#w#h" -> (x, y, x + w, y + h); missing parts read as 0.
lumo::CRect ParseKeyRect(std::string_view text);

struct KeyboardModel {
    int deviceType = 0;
    int menuFlags = kMenuFlagsDefault;
    bool sleepTimerSupported = false;

    std::string firmwareVersion;
    std::string firmwareFile;
    std::string firmwareUrl;

    bool rgbKeyboard = false;
    int defaultMode = 0;
    int defaultBrightness = 0;
    int defaultSpeed = 0;
    int brightnessMax = 0;
    int speedMax = 0;
    std::vector<LightModeInfo> lightModes;

    // Key code -> key_index. Both maps hold the same entries: the first is read when key
    // assignments are written to the keyboard, the second when per-key colours are.
    std::map<int, int> keyIndexMap;
    std::map<int, int> lightIndexMap;

    // Row-major, cell = row * 32 + column; the low byte of the code of the key in each cell.
    std::array<uint8_t, kGridRows * kGridColumns> keyGrid {};
    int rowCount = 0;    // the part of the grid real-time lighting walks
    int columnCount = 0;

    // The keyboard picture as the description places it.
    lumo::CRect pictureRect;
    std::string pictureImage;
    std::vector<KeyItem> keys;

    KeyboardModel() { keyGrid.fill(kNoKeyInCell); }

    bool HasPage(int menuBit) const { return (menuFlags & menuBit) != 0; }
    // The key_index of a code from the first map; -1 when the layout has no such key.
    int KeyIndexOf(int code) const;
    // The grid byte of a cell; kNoKeyInCell outside the grid.
    uint8_t GridAt(int row, int column) const;
};

} // namespace clavora
