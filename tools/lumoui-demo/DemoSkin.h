#pragma once

#include <string>

namespace demo {

// Draws the demo's skin pictures into <folder>/skins/theme1/. False when a file cannot be
// written.
bool WriteDemoSkin(const std::string& folder);

} // namespace demo
