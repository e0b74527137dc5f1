#pragma once

// A small locked list of icon strips (image, slice size, ID, slice count, path), used by
// list controls to draw item icons. Paths are used as given, not looked up in the skin folder.

#include "lumoui/Graphics.h"
#include "lumoui/MImage.h"

#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace lumo {

class MImageList {
public:
    struct Entry {
        MImagePtr image;
        int sliceWidth = 0;
        int sliceHeight = 0;
        UINT id = 0;
        int count = 1;
        std::string path;
    };

    // Appends; returns the new index, -1 when the path is empty or cannot be loaded.
    int AddImage(const std::string& path, UINT id, int count);
    // Inserts before `index`; -1 appends. Other indexes outside the list give -1.
    int InsertImage(int index, const std::string& path, UINT id, int count);
    // The first slice of an entry scaled into the rect; nothing for a bad index.
    void DrawItemIcon(HDC hdc, const CRect& rect, int index) const;
    // The size icons are drawn at (SetDrawImgSize), else the first entry's slice size.
    CSize GetIconSize() const;
    void SetDrawImgSize(CSize size);
    std::optional<Entry> GetItemImageData(int index) const;
    std::optional<Entry> GetImageDataByID(UINT id) const;
    std::string GetImagePath(int index) const;
    std::string GetImagePathByID(UINT id) const;
    int GetImageCount() const;
    void DelAllImages();

private:
    mutable std::mutex m_lock; // guards m_entries and m_drawSize
    std::vector<Entry> m_entries;
    CSize m_drawSize;
};

} // namespace lumo
