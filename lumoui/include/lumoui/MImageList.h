#pragma once

// A small list of icon strips, referred to by index or by an ID of the caller's choosing.
// Paths are used as given (not looked up in the skin folder). Every operation takes the
// list's lock, so the list may be filled on one thread and drawn on another.

#include "lumoui/Graphics.h"
#include "lumoui/MImage.h"

#include <mutex>
#include <string>
#include <vector>

namespace lumo {

struct ImageListEntry {
    MImagePtr image;
    int sliceWidth = 0;
    int sliceHeight = 0;
    UINT id = 0;
    int sliceCount = 1;
    std::string path;
};

class MImageList {
public:
    MImageList();
    ~MImageList();
    MImageList(const MImageList&) = delete;
    MImageList& operator=(const MImageList&) = delete;

    // Appends; the index of the new entry, -1 when the path is empty or does not load.
    int AddImage(const std::string& path, UINT id, int count = 1);
    // Inserts before `index` (-1 appends); -1 for another index out of range, an empty path
    // or a file that does not load.
    int InsertImage(int index, const std::string& path, UINT id, int count = 1);
    // The first slice of entry `index`, scaled into `rect` (or, with a draw size set, at that
    // size centred in it). Nothing for a bad index.
    void DrawItemIcon(HDC hdc, const CRect& rect, int index) const;
    // Size of one slice; (0, 0) for a bad index.
    CSize GetIconSize(int index) const;
    // Copies of an entry; false for a bad index or an unknown ID.
    bool GetItemImageData(int index, ImageListEntry& entry) const;
    bool GetImageDataByID(UINT id, ImageListEntry& entry) const;
    std::string GetImagePath(int index) const;
    std::string GetImagePathByID(UINT id) const;
    int GetImageCount() const;
    // (0, 0) scales icons to the rect they are drawn into.
    void SetDrawImgSize(CSize size);
    void DelAllImages();

private:
    bool IsIndex(int index) const { return index >= 0 && index < static_cast<int>(m_entries.size()); }

    std::vector<ImageListEntry> m_entries; // guarded by m_lock
    CSize m_drawSize;
    mutable std::mutex m_lock;
};

} // namespace lumo
