#pragma once

// Fixture of the control tests: one open test dialog on the headless window system, solid
// colour image strips made in the test's own skin folder, mouse input that is carried out at
// once, and the notifications the dialog received.

#include "../LumoTest.h"
#include "../TestControl.h"

#include "lumoui/Messages.h"

#include <memory>
#include <string>
#include <vector>

namespace lumotest {

class ControlTest : public LumoTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Window-level control of class `cls`, cast to T (null when the factory refuses it).
    template <class T>
    T* Create(const char* cls, lumo::UINT id, lumo::CRect rect, const char* title = "", int a = 1, int b = 1)
    {
        return dynamic_cast<T*>(m_dlg->CreateControl(cls, id, rect, title, a, b));
    }
    // A strip of solid slices, slice i in colours[i].
    std::string WriteStrip(const std::string& name, int sliceWidth, int sliceHeight,
        const std::vector<lumo::ARGB>& colours);

    void Move(int x, int y);
    void Press(int x, int y);
    void Release(int x, int y);
    void Click(int x, int y);
    void Wheel(int x, int y, int delta);
    void Leave();
    lumo::ARGB Pixel(int x, int y) const;

    // The codes control `id` sent, in order.
    std::vector<lumo::UINT> Codes(lumo::UINT id) const;
    const TestDialog::Note* LastNote(lumo::UINT id, lumo::UINT code) const;
    void ClearNotes() { m_dlg->m_notes.clear(); }

    std::unique_ptr<TestDialog> m_dlg;
    lumo::HWND m_hwnd = nullptr;
};

// Solid test colours of the strips.
constexpr lumo::ARGB kRed = 0xFFFF0000;
constexpr lumo::ARGB kGreen = 0xFF00FF00;
constexpr lumo::ARGB kBlue = 0xFF0000FF;
constexpr lumo::ARGB kGrey = 0xFF808080;
constexpr lumo::ARGB kYellow = 0xFFFFFF00;
constexpr lumo::ARGB kCyan = 0xFF00FFFF;
constexpr lumo::ARGB kMagenta = 0xFFFF00FF;
constexpr lumo::ARGB kWhite = 0xFFFFFFFF;

} // namespace lumotest
