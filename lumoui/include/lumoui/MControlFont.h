#pragma once

// The base of every control that shows a title, text or an image strip: font, text colour,
// alignment and the image strip of the skin (a horizontal strip of equal slices, slice i
// drawn for state i).

#include "lumoui/MControl.h"

#include <string>

namespace lumo {

class MControlFont : public MControl {
public:
    MControlFont(MObject* parent, UINT id, CRect rect, bool visible = true, bool enabled = true);
    ~MControlFont() override;

    // Further per-class hooks.
    virtual void SetTextFont(const std::string& family);
    virtual void SetTextColor(ARGB color);
    // An image resource of the toolkit (see MRender::GetResourcePath).
    virtual bool SetImage(UINT resourceID, const std::string& type, int count);
    // A file of the skin folder: the window's shared cache entry for it (the slice size of
    // the first request wins), `count` as this control's slice count. False before the
    // control has a manager or when the file cannot be loaded. Repaints when visible.
    virtual bool SetImage(const std::string& fileName, int count);
    // Stores the title; subclasses mirror it elsewhere.
    virtual void SetControlTitle(const std::string& title);
    virtual std::string GetControlTitle();

    // Title: stores it through SetControlTitle and repaints (full) when visible.
    void SetTitle(const std::string& title);
    const std::string& GetTitle() const { return m_title; }

    // Alignments (DT_LEFT/DT_CENTER/DT_RIGHT, DT_TOP/DT_VCENTER/DT_BOTTOM): no-op when
    // unchanged, else stored and repainted when visible.
    void SetAlignment(UINT h);
    void SetVAlignment(UINT v);
    void SetAlignment(UINT h, UINT v);
    void GetAlignment(UINT& h, UINT& v) const;
    UINT GetHAlignment() const { return m_hAlign; }
    UINT GetVAlignment() const { return m_vAlign; }

    // Store only; the next rebuild of the cache uses them.
    void SetFont(const std::string& family, int size, int style);
    void SetFontWidth(int size) { m_fontSize = size; }
    void SetFontStyle(int style) { m_fontStyle = style; }
    int GetFontStyle() const { return m_fontStyle; }
    const std::string& GetTextFont() const { return m_fontFamily; }
    int GetFontWidth() const { return m_fontSize; }
    ARGB GetTextColor() const { return m_textColor; }
    void SetTextRenderingHint(int hint) { m_renderHint = hint; }
    int GetTextRenderingHint() const { return m_renderHint; }
    // The control's font (its family, size and style).
    MFont GetFont() const { return MFont { m_fontFamily, m_fontSize, m_fontStyle }; }
    // The font of the window system's default family at this control's size and style.
    MFont GetGDIFont() const;
    void ClearGDIFont() { }
    // The window's cached family for the default font name; null when there is none.
    const std::string* GetFontFamily(const std::string& name) const;

    void SetImageCount(int count) { m_sliceCount = count; }
    int GetImageCount() const { return m_sliceCount; }
    // Size of one slice.
    CSize GetImageSize() const { return CSize(m_sliceWidth, m_sliceHeight); }
    const std::string& GetImagePath() const { return m_imageFile; }
    const MImagePtr& GetImage() const { return m_image; }

    // Drawing helpers for subclasses ------------------------------------------------------
    // Slice `index` (clamped to the strip; nothing without an image) as a nine-grid.
    void DrawSlice(HDC hdc, int index, const CRect& dest, int edge) const;
    // Slice `index` at its natural size with its top-left corner at `at`.
    void DrawSliceAt(HDC hdc, int index, CPoint at) const;
    // The title with the control's font and alignments (no wrapping).
    void DrawTitle(HDC hdc, const CRect& rect, ARGB color) const;

protected:
    // Takes a cache entry as this control's strip with `count` slices; false for null.
    bool AdoptImage(const ImgResInfo* info, int count);

    std::string m_title;
    std::string m_fontFamily;
    int m_fontSize = 14;
    ARGB m_textColor = 0xFFFFFFFF;
    int m_fontStyle = FontStyleRegular;
    UINT m_hAlign = DT_LEFT;
    UINT m_vAlign = DT_VCENTER;
    int m_renderHint = 5;
    MImagePtr m_image;
    int m_sliceWidth = 0;
    int m_sliceHeight = 0;
    int m_sliceCount = 4;
    std::string m_imageFile;
};

} // namespace lumo
