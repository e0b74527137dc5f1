#pragma once

// A soft drop shadow: a separate window behind its parent, following the parent's place and
// visibility. Without per-pixel alpha on screen the shadow is shown over the parent's back
// colour (black by default), so it reads as a dark rim.

#include "lumoui/Graphics.h"
#include "lumoui/MImage.h"

#include <string>

namespace lumo {

class MShadow {
public:
    MShadow() = default;
    ~MShadow();
    MShadow(const MShadow&) = delete;
    MShadow& operator=(const MShadow&) = delete;

    bool Create(HWND parent);
    HWND GetHWND() const { return m_hwnd; }

    // Width of the shadow around the parent (0-20), how quickly it fades (0-20), its
    // strongest alpha (0-255), its offset and colour; or a nine-grid picture instead.
    void SetSize(int size);
    void SetSharpness(int sharpness);
    void SetDarkness(int darkness);
    void SetPosition(int x, int y);
    void SetColor(COLORREF color);
    bool SetImage(const std::string& fileName, int edge);
    void ShowShadow(bool show);
    void DisableShadow() { ShowShadow(false); }
    // Follows the parent's rect and visibility.
    void Update();

private:
    static LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Paint();

    HWND m_hwnd = nullptr;
    HWND m_parent = nullptr;
    int m_size = 8;
    int m_sharpness = 5;
    int m_darkness = 150;
    CPoint m_offset;
    COLORREF m_color = 0;
    MImagePtr m_image;
    int m_edge = 0;
    bool m_show = true;
    MemDC m_dc;
};

} // namespace lumo
