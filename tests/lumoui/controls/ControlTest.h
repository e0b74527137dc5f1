#pragma once

// Fixture of the control tests: a dialog that records the notifications it gets, and short
// ways to click, press keys and type through the headless window system.

#include "../LumoTest.h"
#include "../TestControl.h"

#include <memory>
#include <string>
#include <vector>

namespace lumotest {

class ControlTest : public LumoTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the dialog (screen coordinates) and paints it once.
    lumo::HWND OpenDialog(lumo::CRect rect = lumo::CRect(0, 0, 400, 300));
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
    // The notification codes the dialog got, in order.
    std::vector<lumo::UINT> Codes() const;

    // Input goes to the dialog unless a window is named; each helper lets it all happen.
    void Click(int x, int y) { Click(m_hwnd, x, y); }
    static void Click(lumo::HWND hwnd, int x, int y);
    static void Key(lumo::UINT vk);
    static void Chord(lumo::UINT modifier, lumo::UINT vk);
    static void Type(const std::string& text);

    std::unique_ptr<TestDialog> m_dlg;
    lumo::HWND m_hwnd = nullptr;
};

} // namespace lumotest
