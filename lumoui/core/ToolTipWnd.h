#pragma once

// The tooltip of a LumoUI window: a small popup that shows one text near the pointer after it
// rested 400 ms over the tool area, and hides on leaving it, on a press or a wheel turn.
// It sees the owner's mouse messages through Relay (the owner's paint manager, as it
// receives them).

#include "lumoui/Graphics.h"
#include "lumoui/Messages.h"

#include <string>

namespace lumo {

class ToolTipWnd {
public:
    ToolTipWnd() = default;
    ~ToolTipWnd();
    ToolTipWnd(const ToolTipWnd&) = delete;
    ToolTipWnd& operator=(const ToolTipWnd&) = delete;

    bool Create(HWND owner);
    // The text and the tool area (owner client coordinates); an empty text deactivates.
    void SetTool(const std::string& text, CRect rect);
    void Deactivate();
    void Relay(const MSG& msg);

    HWND GetHWND() const { return m_hwnd; }
    const std::string& GetText() const { return m_text; }
    bool IsShown() const { return m_shown; }

private:
    static LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Show();
    void Hide();
    void Paint();

    HWND m_hwnd = nullptr;
    HWND m_owner = nullptr;
    std::string m_text;
    CRect m_tool;
    CPoint m_last;
    bool m_shown = false;
    MemDC m_dc;
};

} // namespace lumo
