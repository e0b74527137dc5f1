#include "lumoui/MImageList.h"
#include "lumoui/MRender.h"

#include <algorithm>

namespace lumo {

int MImageList::AddImage(const std::string& path, UINT id, int count) { return InsertImage(-1, path, id, count); }

int MImageList::InsertImage(int index, const std::string& path, UINT id, int count)
{
    if (path.empty()) {
        return -1;
    }
    {
        std::lock_guard lock(m_lock);
        if (index != -1 && (index < 0 || index > static_cast<int>(m_entries.size()))) {
            return -1;
        }
    }
    MImagePtr image = MImage::FromFile(path);
    if (!image) {
        return -1;
    }
    Entry e;
    e.count = std::max(1, count);
    e.image = image;
    e.sliceWidth = image->GetWidth() / e.count;
    e.sliceHeight = image->GetHeight();
    e.id = id;
    e.path = path;
    std::lock_guard lock(m_lock);
    if (index == -1 || index > static_cast<int>(m_entries.size())) {
        m_entries.push_back(std::move(e));
        return static_cast<int>(m_entries.size()) - 1;
    }
    m_entries.insert(m_entries.begin() + index, std::move(e));
    return index;
}

void MImageList::DrawItemIcon(HDC hdc, const CRect& rect, int index) const
{
    std::optional<Entry> e = GetItemImageData(index);
    if (e) {
        MRender::DrawImage(hdc, e->image.get(), rect, 0, 0, e->sliceWidth, e->sliceHeight);
    }
}

CSize MImageList::GetIconSize() const
{
    std::lock_guard lock(m_lock);
    if (m_drawSize.cx > 0 && m_drawSize.cy > 0) {
        return m_drawSize;
    }
    return m_entries.empty() ? CSize() : CSize(m_entries[0].sliceWidth, m_entries[0].sliceHeight);
}

void MImageList::SetDrawImgSize(CSize size)
{
    std::lock_guard lock(m_lock);
    m_drawSize = size;
}

std::optional<MImageList::Entry> MImageList::GetItemImageData(int index) const
{
    std::lock_guard lock(m_lock);
    if (index < 0 || index >= static_cast<int>(m_entries.size())) {
        return std::nullopt;
    }
    return m_entries[static_cast<size_t>(index)];
}

std::optional<MImageList::Entry> MImageList::GetImageDataByID(UINT id) const
{
    std::lock_guard lock(m_lock);
    for (const auto& e : m_entries) {
        if (e.id == id) {
            return e;
        }
    }
    return std::nullopt;
}

std::string MImageList::GetImagePath(int index) const
{
    auto e = GetItemImageData(index);
    return e ? e->path : std::string();
}

std::string MImageList::GetImagePathByID(UINT id) const
{
    auto e = GetImageDataByID(id);
    return e ? e->path : std::string();
}

int MImageList::GetImageCount() const
{
    std::lock_guard lock(m_lock);
    return static_cast<int>(m_entries.size());
}

void MImageList::DelAllImages()
{
    std::lock_guard lock(m_lock);
    m_entries.clear();
}

} // namespace lumo
