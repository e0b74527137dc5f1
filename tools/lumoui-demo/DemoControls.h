#pragma once

// Controls of the demo: a button drawn from a 4-state strip as a nine-grid, a text label and
// a picture. They are the demo's own; the real controls live in lumoui/controls.

#include "lumoui/MControlFont.h"

namespace demo {

class DemoButton : public lumo::MControlFont {
public:
    DemoButton(lumo::MObject* parent, lumo::UINT id, lumo::CRect rect, const char* title, int visible, int enabled);
    void DrawControl(lumo::HDC& hdc, lumo::CRect clip) override;
    bool OnControlMouseMove(lumo::UINT flags, lumo::CPoint pt) override;
    bool OnControlLButtonDown(lumo::UINT flags, lumo::CPoint pt) override;
    bool OnControlLButtonUp(lumo::UINT flags, lumo::CPoint pt) override;
    void SetControlEnabled(bool enabled) override;

private:
    void SetState(int state);
    int m_state = 0;
};

class DemoLabel : public lumo::MControlFont {
public:
    DemoLabel(lumo::MObject* parent, lumo::UINT id, lumo::CRect rect, const char* title, int visible);
    void DrawControl(lumo::HDC& hdc, lumo::CRect clip) override;
    void SetMultiLine(bool on) { m_multiLine = on; }

private:
    bool m_multiLine = false;
};

class DemoPicture : public lumo::MControlFont {
public:
    DemoPicture(lumo::MObject* parent, lumo::UINT id, lumo::CRect rect, int visible, int enabled);
    void DrawControl(lumo::HDC& hdc, lumo::CRect clip) override;
    // 0 stretched, otherwise a nine-grid with this edge.
    void SetEdge(int edge) { m_edge = edge; }

private:
    int m_edge = 0;
};

} // namespace demo
