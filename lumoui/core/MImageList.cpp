#include "lumoui/MImageList.h"
#include "lumoui/MRender.h"

namespace lumo {

MImageList::MImageList() = default;
MImageList::~MImageList() = default;

int MImageList::AddImage(const std::string& path, UINT id, int count)
{
    return InsertImage(-1, path, id, count);
}

int MImageList::InsertImage(int index, const std::string& path, UINT id, int count)
{
    if (path.empty()) {
        return -1;
    }
    {
        std::lock_guard lock(m_lock);
        if (index != -1 && !IsIndex(index)) {
            return -1;
        }
    }
    ImageListEntry entry;
    entry.image = MRender::LoadImageFromFile(path);
    if (!entry.image) {
        return -1;
    }
    entry.sliceCount = count > 0 ? count : 1;
    entry.sliceWidth = entry.image->GetWidth() / entry.sliceCount;
    entry.sliceHeight = entry.image->GetHeight();
    entry.id = id;
    entry.path = path;
    std::lock_guard lock(m_lock);
    if (index == -1 || index > static_cast<int>(m_entries.size())) {
        index = static_cast<int>(m_entries.size());
    }
    m_entries.insert(m_entries.begin() + index, std::move(entry));
    return index;
}

void MImageList::DrawItemIcon(HDC hdc, const CRect& rect, int index) const
{
    ImageListEntry entry;
    CSize size;
    {
        std::lock_guard lock(m_lock);
        if (!IsIndex(index)) {
            return;
        }
        entry = m_entries[index];
        size = m_drawSize;
    }
    CRect dest = rect;
    if (size.cx > 0 && size.cy > 0) {
        dest = CRect(MRender::GetOriginPoint(rect, size, DT_CENTER, DT_VCENTER), size);
    }
    MRender::DrawImage(hdc, entry.image.get(), dest, 0, 0, entry.sliceWidth, entry.sliceHeight);
}

CSize MImageList::GetIconSize(int index) const
{
    std::lock_guard lock(m_lock);
    return IsIndex(index) ? CSize(m_entries[index].sliceWidth, m_entries[index].sliceHeight) : CSize();
}

bool MImageList::GetItemImageData(int index, ImageListEntry& entry) const
{
    std::lock_guard lock(m_lock);
    if (!IsIndex(index)) {
        return false;
    }
    entry = m_entries[index];
    return true;
}

bool MImageList::GetImageDataByID(UINT id, ImageListEntry& entry) const
{
    std::lock_guard lock(m_lock);
    for (const auto& e : m_entries) {
        if (e.id == id) {
            entry = e;
            return true;
        }
    }
    return false;
}

std::string MImageList::GetImagePath(int index) const
{
    std::lock_guard lock(m_lock);
    return IsIndex(index) ? m_entries[index].path : std::string();
}

std::string MImageList::GetImagePathByID(UINT id) const
{
    ImageListEntry entry;
    return GetImageDataByID(id, entry) ? entry.path : std::string();
}

int MImageList::GetImageCount() const
{
    std::lock_guard lock(m_lock);
    return static_cast<int>(m_entries.size());
}

void MImageList::SetDrawImgSize(CSize size)
{
    std::lock_guard lock(m_lock);
    m_drawSize = size;
}

void MImageList::DelAllImages()
{
    std::lock_guard lock(m_lock);
    m_entries.clear();
}

} // namespace lumo
