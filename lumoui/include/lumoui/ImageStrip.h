#pragma once

// A skin image used as a strip of equal slices (slice i drawn for state i), taken from the
// window's image cache. Controls that show more than their one MControlFont image (icons,
// thumbs, frames, arrows) keep one of these per picture.

#include "lumoui/Graphics.h"
#include "lumoui/MImage.h"

#include <string>

namespace lumo {

class PaintManager;

class ImageStrip {
public:
    // The file from the skin folder cut into `count` slices (the first request of a file
    // decides its slicing). False, and the strip unchanged, without a manager or when the
    // file cannot be loaded.
    bool Load(PaintManager* manager, const std::string& fileName, int count);
    bool IsLoaded() const { return m_image && m_slice.cx > 0; }
    const MImage* GetImage() const { return m_image.get(); }
    CSize GetSliceSize() const { return m_slice; }
    // Slices the picture holds.
    int GetSliceCount() const { return m_slices; }

    // Each draws slice `index`, clamped to the strip; nothing when no picture is loaded.
    // At its natural size with the top-left corner at `at`:
    void DrawAt(HDC dc, int index, CPoint at) const;
    // At its natural size, centred in `box`:
    void DrawCentred(HDC dc, int index, const CRect& box) const;
    // Stretched over `dest`:
    void DrawInto(HDC dc, int index, const CRect& dest) const;
    // As a nine-grid with the given edge:
    void DrawFrame(HDC dc, int index, const CRect& dest, int edge) const;

private:
    int Clamp(int index) const;

    MImagePtr m_image;
    CSize m_slice;
    int m_slices = 0;
};

} // namespace lumo
