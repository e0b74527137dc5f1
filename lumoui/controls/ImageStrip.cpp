#include "lumoui/ImageStrip.h"

#include "lumoui/MRender.h"
#include "lumoui/PaintManager.h"

#include <algorithm>

namespace lumo {

bool ImageStrip::Load(PaintManager* manager, const std::string& fileName, int count)
{
    ImgResInfo* info = (manager && count > 0) ? manager->AddImgResInfo(fileName, count) : nullptr;
    if (!info || info->sliceWidth <= 0) {
        return false;
    }
    m_image = info->image;
    m_slice = CSize(info->sliceWidth, info->sliceHeight);
    m_slices = std::max(1, info->image->GetWidth() / info->sliceWidth);
    return true;
}

int ImageStrip::Clamp(int index) const { return std::clamp(index, 0, std::max(0, m_slices - 1)); }

void ImageStrip::DrawAt(HDC dc, int index, CPoint at) const { DrawInto(dc, index, CRect(at, m_slice)); }

void ImageStrip::DrawCentred(HDC dc, int index, const CRect& box) const
{
    DrawAt(dc, index, MRender::GetOriginPoint(box, m_slice, DT_CENTER, DT_VCENTER));
}

void ImageStrip::DrawInto(HDC dc, int index, const CRect& dest) const
{
    if (IsLoaded()) {
        MRender::DrawImage(dc, m_image.get(), dest, Clamp(index) * m_slice.cx, 0, m_slice.cx, m_slice.cy);
    }
}

void ImageStrip::DrawFrame(HDC dc, int index, const CRect& dest, int edge) const
{
    if (IsLoaded()) {
        MRender::DrawImageFrame(dc, m_image.get(), dest, Clamp(index) * m_slice.cx, 0, m_slice.cx, m_slice.cy, edge);
    }
}

} // namespace lumo
