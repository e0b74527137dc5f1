#include "startup/Startup.h"

namespace clavora {

int RunApplication(int, char**)
{
    // FIXME: the start-up sequence is being built.
    return 0;
}

} // namespace clavora
