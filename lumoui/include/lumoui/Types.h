#pragma once

// Geometry and colour types shared by every toolkit interface and by the application.
//   CPoint, CSize, CRect  - 32-bit signed integer geometry (rect: left, top, right, bottom)
//   COLORREF              - 0x00BBGGRR, red in the low byte (store, colour interfaces)
//   ARGB                  - 0xAARRGGBB (toolkit drawing colours)
//   UINT, DWORD, WPARAM, LPARAM, LRESULT, HWND, HCURSOR - message and handle types

#include <algorithm>
#include <cstdint>

namespace lumo {

using UINT = uint32_t;
using DWORD = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

// A native window handle. Handles are never reused within a process, so a stale handle
// is simply "not a window" instead of naming some later window.
struct HWND__;
using HWND = HWND__*;

// Cursor shapes; 0 means "leave the cursor alone".
using HCURSOR = int;
constexpr HCURSOR IDC_ARROW = 1;
constexpr HCURSOR IDC_HAND = 2;
constexpr HCURSOR IDC_IBEAM = 3;
constexpr HCURSOR IDC_SIZEALL = 4;
constexpr HCURSOR IDC_WAIT = 5;

using COLORREF = uint32_t;
using ARGB = uint32_t;

constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b)
{
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr uint8_t GetRValue(COLORREF c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t GetGValue(COLORREF c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t GetBValue(COLORREF c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }

constexpr ARGB MakeARGB(uint8_t a, uint8_t r, uint8_t g, uint8_t b)
{
    return (static_cast<ARGB>(a) << 24) | (static_cast<ARGB>(r) << 16) | (static_cast<ARGB>(g) << 8) | b;
}
// A COLORREF as an opaque ARGB colour, and back (alpha dropped).
constexpr ARGB ColorRefToARGB(COLORREF c, uint8_t alpha = 0xFF)
{
    return MakeARGB(alpha, GetRValue(c), GetGValue(c), GetBValue(c));
}
constexpr COLORREF ARGBToColorRef(ARGB c)
{
    return RGB(static_cast<uint8_t>((c >> 16) & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
        static_cast<uint8_t>(c & 0xFF));
}

struct CPoint {
    int32_t x = 0;
    int32_t y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(int32_t px, int32_t py) : x(px), y(py) { }
    constexpr bool operator==(const CPoint&) const = default;
    constexpr void Offset(int32_t dx, int32_t dy)
    {
        x += dx;
        y += dy;
    }
};

struct CSize {
    int32_t cx = 0;
    int32_t cy = 0;

    constexpr CSize() = default;
    constexpr CSize(int32_t w, int32_t h) : cx(w), cy(h) { }
    constexpr bool operator==(const CSize&) const = default;
};

struct CRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int32_t l, int32_t t, int32_t r, int32_t b) : left(l), top(t), right(r), bottom(b) { }
    constexpr CRect(CPoint topLeft, CSize size)
        : left(topLeft.x), top(topLeft.y), right(topLeft.x + size.cx), bottom(topLeft.y + size.cy)
    {
    }
    constexpr bool operator==(const CRect&) const = default;

    constexpr int32_t Width() const { return right - left; }
    constexpr int32_t Height() const { return bottom - top; }
    constexpr CSize Size() const { return { Width(), Height() }; }
    constexpr CPoint TopLeft() const { return { left, top }; }
    constexpr CPoint BottomRight() const { return { right, bottom }; }
    constexpr CPoint CenterPoint() const { return { (left + right) / 2, (top + bottom) / 2 }; }

    // Empty when it has no area (width or height zero or negative).
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // Left and top edges are inside, right and bottom edges are outside.
    constexpr bool PtInRect(CPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    constexpr void SetRect(int32_t l, int32_t t, int32_t r, int32_t b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    constexpr void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    constexpr void OffsetRect(int32_t dx, int32_t dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    constexpr void OffsetRect(CPoint d) { OffsetRect(d.x, d.y); }
    constexpr void InflateRect(int32_t dx, int32_t dy)
    {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    constexpr void DeflateRect(int32_t dx, int32_t dy) { InflateRect(-dx, -dy); }
    constexpr void MoveToXY(int32_t x, int32_t y) { OffsetRect(x - left, y - top); }

    // The overlap of a and b; false (and an empty rect) when they do not overlap.
    constexpr bool IntersectRect(const CRect& a, const CRect& b)
    {
        CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom));
        if (r.IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        *this = r;
        return true;
    }
    // The smallest rect holding a and b; an empty operand is ignored.
    constexpr bool UnionRect(const CRect& a, const CRect& b)
    {
        if (a.IsRectEmpty()) {
            *this = b;
        } else if (b.IsRectEmpty()) {
            *this = a;
        } else {
            *this = CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom));
        }
        return !IsRectEmpty();
    }
    constexpr bool Intersects(const CRect& other) const
    {
        CRect r;
        return r.IntersectRect(*this, other);
    }
};

} // namespace lumo
