#pragma once

// KeyboardLayout - the part of a layout file the keyboard picture is drawn from: the
// picture's size and file name and every key's rectangle and name.

#include <string>
#include <vector>

namespace clavora::assets {

struct LayoutKey {
    std::string name;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct KeyboardLayout {
    int width = 0;
    int height = 0;
    std::string image;
    std::vector<LayoutKey> keys;
};

// Reads the `device.info` / `Keyboard` element and its keys. False, with the reason in
// `error`, when the file cannot be read, has no `Keyboard` element, names no picture, names
// one outside the keyboard folder, or gives no positive picture size. Keys whose `rect` is
// not four numbers are left out.
bool ReadKeyboardLayout(const std::string& path, KeyboardLayout& layout, std::string& error);

// Parses "x#y#w#h"; false unless there are four integers and width and height are positive.
bool ParseKeyRect(const std::string& text, LayoutKey& key);

} // namespace clavora::assets
