#pragma once

// A read-only description of the program for whole-program tests that click at controls and
// check what is shown, as one line of JSON:
//
//   {"program": {"tasks" (device tasks queued or running), "wait_box", "page", "keyboard"
//                (an interface was found), "connection_mode", "profile"},
//    "windows": [{"title", "visible", "enabled", "rect": [l, t, r, b] (screen),
//                 "controls": [{"id", "class", "parent" (ID of the owning control, -1 for
//                               the window), "rect" (client), "visible" (own flag),
//                               "shown" (it and every owner visible), "enabled", "text",
//                               "tooltip", and per class: "checked", "selected", "value",
//                               "items" [...] or "keys" [...] with client rects}]}]}
//
// Controls are listed depth first, each before its children. Windows are looked up by title
// among the toolkit's windows ("LumoClient"): the main window's and the popups' titles. Call on
// the window thread.

#include <string>

namespace clavora {

class KeyboardDlg;

std::string DescribeProgram(KeyboardDlg& dialog);

} // namespace clavora
