#pragma once

namespace clavora {

// The consumer-control usage the virtual device sends for one of the program's media and
// browser key codes (232-249); 0 for every other code.
int ConsumerUsageOfKeyCode(int keyCode);

} // namespace clavora
