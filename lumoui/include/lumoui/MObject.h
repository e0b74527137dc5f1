#pragma once

// The root interface of everything that owns controls: dialogs, popup windows and container
// controls. Children talk to their owner through two upward channels:
//   OnBaseMessage   - a notification (control ID, NOTIFY_* code, wParam, lParam)
//   OnControlUpdate - a request to repaint a rect (full = the child's cached rendering is stale)

#include "lumoui/Forward.h"
#include "lumoui/Types.h"

namespace lumo {

class MObject {
public:
    virtual ~MObject() = default;

    // True only when GetClassNameW() equals `name` exactly (case-sensitive, whole string).
    virtual bool IsClass(const char* name) const;
    // Null for plain objects; "FSControl" for controls that do not name themselves.
    virtual const char* GetClassNameW() const { return nullptr; }
    virtual const char* GetObjectClass() const { return nullptr; }
    virtual const char* BaseObjectClassName() const { return nullptr; }
    virtual LRESULT OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnControlUpdate(CRect rect, bool full, MControl* control);
};

} // namespace lumo
