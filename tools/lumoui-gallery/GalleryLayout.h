#pragma once

// A small reader for the keyboard part of a layout file (data/layouts/*.xml): the picture's
// file name and size and every key's value, names and rectangle. The gallery shows the
// toolkit on its own, so it reads the file itself instead of through the program's loader.

#include "lumoui/Types.h"

#include <string>
#include <vector>

namespace gallery {

struct LayoutKey {
    lumo::DWORD code = 0; // HID usage, written in hex in the file
    std::string name;
    std::string desc;
    std::string icon;
    lumo::CRect rect; // picture coordinates
};

struct KeyboardLayout {
    std::string image; // below the skin folder's keyboard/ folder
    int width = 0;
    int height = 0;
    std::vector<LayoutKey> keys;
};

// False when the file cannot be read or has no Keyboard element with a positive size. Keys
// whose rect is not "x#y#width#height" are left out.
bool ReadKeyboardLayout(const std::string& path, KeyboardLayout& layout);

} // namespace gallery
