#pragma once

// A small control for the toolkit tests: fills its rect with a colour from a cached
// rendering, acts like a button (NOTIFY_PRESS on press, NOTIFY_CLICK on a release inside after
// a press), counts its hooks and can hold children and a scroll offset like a container.
// Registered in both factory lists as "CTestControl"; "CTestContainerOnly" is in the
// container list only.

#include "lumoui/ControlFactory.h"
#include "lumoui/MControlFont.h"
#include "lumoui/MDialog.h"

#include <atomic>
#include <string>
#include <vector>

namespace lumotest {

class TestControl : public lumo::MControlFont {
public:
    TestControl(lumo::MObject* parent, lumo::UINT id, lumo::CRect rect, const char* title, int visible, int enabled);
    ~TestControl() override;

    void InitControl(lumo::PaintManager* manager) override;
    void DrawControl(lumo::HDC& hdc, lumo::CRect clip) override;
    bool OnMousePointChange(lumo::CPoint& pt) override;
    bool OnControlMouseMove(lumo::UINT flags, lumo::CPoint pt) override;
    bool OnControlLButtonDown(lumo::UINT flags, lumo::CPoint pt) override;
    bool OnControlLButtonUp(lumo::UINT flags, lumo::CPoint pt) override;
    bool OnControlRButtonUp(lumo::UINT flags, lumo::CPoint pt) override;
    bool OnControlScroll(bool vertical, lumo::UINT down, lumo::CPoint pt) override;
    bool OnControlKeyDown(lumo::UINT vk, lumo::UINT repeat, lumo::UINT flags) override;
    bool OnControlTimer() override;
    bool OnNativeTimer(lumo::UINT key) override;
    bool SetControlFocus(bool focus) override;

    lumo::MControl* CreateChild(const char* className, lumo::UINT id, lumo::CRect rect, int kind = 1)
    {
        return CreateChildControl(kind, this, className, id, rect, "", 1, 1);
    }

    lumo::ARGB m_fill = 0xFF3366CC;
    lumo::CPoint m_scroll;           // shifts children's points like a scrolled container
    bool m_handleScroll = true;
    bool m_handleKeys = false;
    bool m_requestRedrawOnTick = false;
    int m_rebuilds = 0;
    int m_draws = 0;
    int m_initCalls = 0;
    int m_scrolls = 0;
    int m_keys = 0;
    int m_focusGained = 0;
    std::atomic<int> m_ticks { 0 };
    std::vector<lumo::UINT> m_nativeTimerKeys;
    lumo::CPoint m_lastPoint;
    bool m_pressed = false;
    std::string m_ctorTitle;
    int m_ctorVisible = -1;
    int m_ctorEnabled = -1;
    static int s_alive;
};

class ContainerOnlyControl : public TestControl {
public:
    using TestControl::TestControl;
};

// A dialog that records what its hooks and controls tell it.
class TestDialog : public lumo::MDialog {
public:
    struct Note {
        lumo::UINT id;
        lumo::UINT code;
        lumo::WPARAM wParam;
        lumo::LPARAM lParam;
    };

    lumo::HWND Open(lumo::CRect rect = lumo::CRect(0, 0, 400, 300), lumo::HWND owner = nullptr);

    void InitUI(lumo::CRect client) override { ++m_initUI, m_initClient = client; }
    void UISize(lumo::CRect client) override { ++m_uiSize, m_lastSize = client; }
    lumo::LRESULT OnMessage(lumo::UINT id, lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam) override
    {
        m_notes.push_back(Note { id, code, wParam, lParam });
        return 0;
    }
    // Messages of the application range (WM_APP and above) reaching the window.
    lumo::LRESULT OnWindowMessage(lumo::UINT msg, lumo::WPARAM wParam, lumo::LPARAM lParam) override
    {
        if (msg >= lumo::WM_APP) {
            m_appMessages.push_back(lumo::MSG { GetSafeHwnd(), msg, wParam, lParam, 0, {} });
        }
        return lumo::MDialog::OnWindowMessage(msg, wParam, lParam);
    }
    int Count(lumo::UINT code) const
    {
        int n = 0;
        for (auto& x : m_notes) {
            n += x.code == code;
        }
        return n;
    }
    TestControl* Add(lumo::UINT id, lumo::CRect rect, int kind = 1)
    {
        return static_cast<TestControl*>(m_pm.CreateControl(kind, this, "CTestControl", id, rect, "", 1, 1));
    }

    std::vector<Note> m_notes;
    std::vector<lumo::MSG> m_appMessages;
    int m_initUI = 0;
    int m_uiSize = 0;
    lumo::CRect m_initClient;
    lumo::CRect m_lastSize;
};

} // namespace lumotest
