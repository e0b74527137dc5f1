#pragma once

// The widget gallery's sections: each fills its area of the gallery dialog with controls.
// A section registers itself with a static GallerySection object in its own file. The gallery
// shows one board at a time; the sections of a board are laid out in the order of their
// `order` values and must not overlap each other.

#include "lumoui/MDialog.h"

#include <functional>
#include <string>
#include <vector>

namespace gallery {

struct Section {
    int board = 0;
    int order = 0;
    std::string title;
    lumo::CRect area;
    std::function<void(lumo::MDialog& dialog, lumo::CRect area)> build;
};

std::vector<Section>& Sections();

struct GallerySection {
    explicit GallerySection(Section section) { Sections().push_back(std::move(section)); }
};

// Control IDs of the gallery: each section takes its own hundred from 1100 on; the section
// titles and the board's hint line use the numbers below 1100.
constexpr lumo::UINT kIdsPerSection = 100;

// A control of class `cls` on the dialog, or nullptr when that class does not make a T.
template <class T>
T* Make(lumo::MDialog& d, const char* cls, lumo::UINT id, lumo::CRect r, const char* title = "", int a = 1, int b = 1)
{
    return dynamic_cast<T*>(d.CreateControl(cls, id, r, title, a, b));
}

// A grey caption beside or above a control.
void Label(lumo::MDialog& d, lumo::UINT id, lumo::CRect r, const char* text);

} // namespace gallery
