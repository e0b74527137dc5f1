#include "lumoui/MObject.h"

#include <cstring>

namespace lumo {

bool MObject::IsClass(const char* name) const
{
    const char* mine = GetClassNameW();
    return mine && name && std::strcmp(mine, name) == 0;
}

LRESULT MObject::OnBaseMessage(UINT, UINT, WPARAM, LPARAM) { return 0; }
LRESULT MObject::OnControlUpdate(CRect, bool, MControl*) { return 0; }

} // namespace lumo
