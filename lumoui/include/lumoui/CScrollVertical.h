#pragma once

// CScrollVertical lives with the rest of the scroll bar family.

#include "lumoui/MScroll.h"
