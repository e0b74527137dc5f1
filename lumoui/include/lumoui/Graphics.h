#pragma once

// Drawing basics shared by the paint manager, the render helpers and every control:
//   HDC        a cairo context on a 32-bit premultiplied ARGB image surface
//   MemDC      an owned off-screen surface with its context (controls' cached renderings)
//   MFont      family, pixel size and style bits of a text
//   StringFormat  alignment and layout flags of a text
//
// Colours passed to drawing calls are plain (not premultiplied) ARGB 0xAARRGGBB.

#include "lumoui/Types.h"

#include <cairo.h>

#include <string>

namespace lumo {

using HDC = cairo_t*;

class MemDC {
public:
    MemDC() = default;
    ~MemDC() { Release(); }
    MemDC(const MemDC&) = delete;
    MemDC& operator=(const MemDC&) = delete;
    MemDC(MemDC&& other) noexcept;
    MemDC& operator=(MemDC&& other) noexcept;

    // A transparent surface of cx x cy pixels; false (and nothing held) for an empty size or
    // when the surface cannot be made.
    bool Create(int cx, int cy);
    void Release();
    // Clears every pixel to transparent black.
    void Clear();

    bool IsValid() const { return m_cr != nullptr; }
    HDC GetDC() const { return m_cr; }
    cairo_surface_t* GetSurface() const { return m_surface; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    CSize GetSize() const { return CSize(m_cx, m_cy); }
    // Raw pixels for direct access: call Flush() before reading and MarkDirty() after writing.
    uint32_t* Bits() const;
    int Stride() const;
    void Flush() const;
    void MarkDirty() const;

private:
    cairo_surface_t* m_surface = nullptr;
    cairo_t* m_cr = nullptr;
    int m_cx = 0;
    int m_cy = 0;
};

// Font style bits.
constexpr int FontStyleRegular = 0;
constexpr int FontStyleBold = 1;
constexpr int FontStyleItalic = 2;
constexpr int FontStyleUnderline = 4;
constexpr int FontStyleStrikeout = 8;

struct MFont {
    std::string family = "Arial";
    int size = 14; // pixels
    int style = FontStyleRegular;

    bool operator==(const MFont&) const = default;
};

// Alignment along a line (horizontal) or across lines (vertical).
constexpr UINT StringAlignmentNear = 0;
constexpr UINT StringAlignmentCenter = 1;
constexpr UINT StringAlignmentFar = 2;

// Layout flags.
constexpr UINT StringFormatFlagsMeasureTrailingSpaces = 0x0800;
constexpr UINT StringFormatFlagsNoWrap = 0x1000;
constexpr UINT StringFormatFlagsNoClip = 0x4000;

// DT_ style alignment values used by controls: horizontal 0 left, 1 centre, 2 right;
// vertical 0 top, 4 centre, 8 bottom.
constexpr UINT DT_LEFT = 0;
constexpr UINT DT_CENTER = 1;
constexpr UINT DT_RIGHT = 2;
constexpr UINT DT_TOP = 0;
constexpr UINT DT_VCENTER = 4;
constexpr UINT DT_BOTTOM = 8;

struct StringFormat {
    UINT alignment = StringAlignmentNear;     // horizontal
    UINT lineAlignment = StringAlignmentNear; // vertical
    UINT flags = 0;

    // From a control's DT_ alignments.
    static StringFormat FromDT(UINT h, UINT v, UINT flags)
    {
        StringFormat f;
        f.alignment = h == DT_CENTER ? StringAlignmentCenter : h == DT_RIGHT ? StringAlignmentFar : StringAlignmentNear;
        f.lineAlignment = (v & DT_VCENTER) ? StringAlignmentCenter : (v & DT_BOTTOM) ? StringAlignmentFar
                                                                                     : StringAlignmentNear;
        f.flags = flags;
        return f;
    }
};

} // namespace lumo
