#pragma once

// A read-only description of the toolkit windows of the calling thread, as one line of JSON,
// for whole-program tests that click at controls and check what is shown.
//
//   {"windows": [{"title", "visible", "enabled", "rect": [l, t, r, b] (screen),
//                 "controls": [{"id", "class", "parent" (ID of the owning control, -1 for
//                               the window), "rect" (client), "visible" (own flag),
//                               "shown" (it and every owner visible), "enabled", "text",
//                               "tooltip", and per class: "checked", "selected", "value",
//                               "items" [...] or "keys" [...] with client rects}]}]}
//
// Controls are listed depth first, each before its children. Windows are looked up by title
// among the toolkit's windows ("LumoClient"); call on the window thread.

#include <string>
#include <vector>

namespace clavora {

std::string DescribeToolkitWindows(const std::vector<std::string>& titles);

} // namespace clavora
