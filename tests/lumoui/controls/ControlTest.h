#pragma once

// Fixture of the control tests: one open test dialog on the headless window system, solid
// colour image strips made in the test's own skin folder, mouse input that is carried out at
// once, and the notifications the dialog received; plus an owner that records what children
// send upwards, for controls tested on their own.

#include "../LumoTest.h"
#include "../TestControl.h"

#include "lumoui/MControl.h"
#include "lumoui/Messages.h"
#include "lumoui/PaintManager.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace lumotest {

class RecordingOwner : public lumo::MObject {
public:
    struct Note {
        lumo::UINT id;
        lumo::UINT code;
        lumo::WPARAM wParam;
        lumo::LPARAM lParam;
    };
    lumo::LRESULT OnBaseMessage(
        lumo::UINT id, lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam) override
    {
        notes.push_back(Note { id, code, wParam, lParam });
        return 0;
    }
    lumo::LRESULT OnControlUpdate(lumo::CRect rect, bool full, lumo::MControl*) override
    {
        updates.emplace_back(rect, full);
        return 0;
    }
    int Count(lumo::UINT code) const
    {
        int n = 0;
        for (const auto& x : notes) {
            n += x.code == code;
        }
        return n;
    }
    std::vector<Note> notes;
    std::vector<std::pair<lumo::CRect, bool>> updates;
};

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
    // The pixel the window shows after pending paints ran.
    lumo::ARGB Pixel(int x, int y);

    // The dialog is opened by SetUp; this hands back its window.
    lumo::HWND Open() { return m_hwnd; }
    lumo::PaintManager& Pm() { return m_dlg->GetPaintManager(); }
    // Hands a control built by the test to the dialog (layer `kind`) and initialises it.
    template <class T> T* Attach(T* control, int kind = 1)
    {
        Pm().AddControl(control, kind);
        control->SetManager(&Pm());
        return control;
    }

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
