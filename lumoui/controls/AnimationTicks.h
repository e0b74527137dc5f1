#pragma once

#include "lumoui/MControl.h"

namespace lumo {

// Lets the control's tick handler run on its window's animation ticks, or stops it. Both
// steps are needed: the window's list of animated controls and the control's own flag.
inline void RunOnAnimationTicks(MControl& control, bool run)
{
    if (run) {
        control.AddMTimer();
    }
    control.SetRunTimer(run);
}

} // namespace lumo
