#pragma once

// Fixture of the control tests: one open test dialog on the headless window system (400 x 300
// unless a test opens another with OpenDialog), solid colour image strips made in the test's
// own skin folder, mouse, key and text input that is carried out at once, and the
// notifications the dialog received.

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

    // Replaces the dialog by one at `rect` (screen coordinates) and paints it once; with the
    // rect the dialog already has, it keeps the dialog.
    lumo::HWND OpenDialog(lumo::CRect rect = lumo::CRect(0, 0, 400, 300));

    // Window-level control of class `cls`, cast to T (null when the factory refuses it).
    template <class T>
    T* Create(const char* cls, lumo::UINT id, lumo::CRect rect, const char* title = "", int a = 1, int b = 1)
    {
        return dynamic_cast<T*>(m_dlg->CreateControl(cls, id, rect, title, a, b));
    }
    // Creates a control of the dialog's factory and has the window painted again.
    template <class T>
    T* Add(const char* className, lumo::UINT id, lumo::CRect rect, const char* title = nullptr)
    {
        auto* c = static_cast<T*>(m_dlg->CreateControl(className, id, rect, title, 1, 1));
        m_dlg->GetPaintManager().Invalidate();
        return c;
    }
    // Attaches a control made outside the factory.
    void Attach(lumo::MControl* control);
    // A strip of solid slices, slice i in colours[i].
    std::string WriteStrip(const std::string& name, int sliceWidth, int sliceHeight,
        const std::vector<lumo::ARGB>& colours);

    void Move(int x, int y);
    void Press(int x, int y);
    void Release(int x, int y);
    void Click(int x, int y);
    static void Click(lumo::HWND hwnd, int x, int y);
    void Wheel(int x, int y, int delta);
    void Leave();
    static void Key(lumo::UINT vk);
    static void Chord(lumo::UINT modifier, lumo::UINT vk);
    static void Type(const std::string& text);
    lumo::ARGB Pixel(int x, int y) const;

    // The notification codes the dialog got, in order: all of them, or those of control `id`.
    std::vector<lumo::UINT> Codes() const;
    std::vector<lumo::UINT> Codes(lumo::UINT id) const;
    const TestDialog::Note* LastNote(lumo::UINT id, lumo::UINT code) const;
    void ClearNotes() { m_dlg->m_notes.clear(); }

    // The test dialog's size; a fixture may change it before SetUp runs.
    lumo::CRect m_windowRect { 0, 0, 400, 300 };
    std::unique_ptr<TestDialog> m_dlg;
    lumo::HWND m_hwnd = nullptr;
    lumo::CRect m_dialogRect;
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
