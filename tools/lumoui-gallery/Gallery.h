#pragma once

// The widget gallery's sections: each fills its area of the gallery dialog with controls.
// A section registers itself with a static GallerySection object in its own file; sections
// are laid out in the order of their `order` values.

#include "lumoui/MDialog.h"

#include <functional>
#include <string>
#include <vector>

namespace gallery {

struct Section {
    int order = 0;
    std::string title;
    lumo::CRect area;
    std::function<void(lumo::MDialog& dialog, lumo::CRect area)> build;
};

std::vector<Section>& Sections();

struct GallerySection {
    explicit GallerySection(Section section) { Sections().push_back(std::move(section)); }
};

// Control IDs of the gallery: each section takes its own hundred.
constexpr lumo::UINT kIdsPerSection = 100;

} // namespace gallery
