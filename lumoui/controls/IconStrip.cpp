#include "controls/IconStrip.h"
#include "lumoui/MRender.h"
#include "lumoui/PaintManager.h"

#include <algorithm>

namespace lumo {

bool IconStrip::Load(PaintManager* manager, const std::string& fileName, int slices)
{
    ImgResInfo* info = manager ? manager->AddImgResInfo(fileName, std::max(1, slices)) : nullptr;
    if (!info) {
        return false;
    }
    image = info->image;
    size = CSize(info->sliceWidth, info->sliceHeight);
    count = std::max(1, slices);
    return true;
}

void IconStrip::Draw(HDC hdc, int slice, CPoint at) const
{
    if (!IsSet()) {
        return;
    }
    int i = std::clamp(slice, 0, count - 1);
    MRender::DrawImage(hdc, image.get(), CRect(at, size), i * size.cx, 0, size.cx, size.cy);
}

} // namespace lumo
