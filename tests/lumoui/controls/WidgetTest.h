#pragma once

// Fixture of the container and device widget tests: an open test dialog on the headless window system, plus
// an owner that records what children send upwards, for controls tested on their own.

#include "../LumoTest.h"
#include "../TestControl.h"

#include "lumoui/MControl.h"
#include "lumoui/PaintManager.h"

#include <memory>
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

class WidgetTest : public LumoTest {
protected:
    void SetUp() override
    {
        LumoTest::SetUp();
        m_dlg = std::make_unique<TestDialog>();
    }
    void TearDown() override
    {
        m_dlg.reset();
        LumoTest::TearDown();
    }
    lumo::HWND Open(lumo::CRect rect = lumo::CRect(0, 0, 400, 300))
    {
        m_hwnd = m_dlg->Open(rect);
        Flush();
        return m_hwnd;
    }
    lumo::PaintManager& Pm() { return m_dlg->GetPaintManager(); }
    // Hands a control built by the test to the dialog (layer `kind`) and initialises it.
    template <class T> T* Attach(T* control, int kind = 1)
    {
        Pm().AddControl(control, kind);
        control->SetManager(&Pm());
        return control;
    }
    template <class T>
    T* Create(const char* className, lumo::UINT id, lumo::CRect rect, const char* title = nullptr, int a = 1,
        int b = 1)
    {
        return dynamic_cast<T*>(m_dlg->CreateControl(className, id, rect, title, a, b));
    }
    // The pixel the window shows after pending paints ran.
    lumo::ARGB Pixel(int x, int y)
    {
        Flush();
        return lumo::headless::GetPixel(m_hwnd, x, y);
    }

    std::unique_ptr<TestDialog> m_dlg;
    lumo::HWND m_hwnd = nullptr;
};

} // namespace lumotest
