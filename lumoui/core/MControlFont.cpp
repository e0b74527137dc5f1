#include "lumoui/MControlFont.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/PaintManager.h"

#include <algorithm>

namespace lumo {

MControlFont::MControlFont(MObject* parent, UINT id, CRect rect, bool visible, bool enabled)
    : MControl(parent, id, rect, visible, enabled, true)
    , m_fontFamily(Manager::GetFontName())
    , m_fontSize(Manager::GetFontWidth())
{
}

MControlFont::~MControlFont() = default;

void MControlFont::SetTextFont(const std::string& family) { m_fontFamily = family; }
void MControlFont::SetTextColor(ARGB color) { m_textColor = color; }

bool MControlFont::SetImage(UINT resourceID, const std::string& type, int count)
{
    return m_manager && AdoptImage(m_manager->AddImgResInfo(resourceID, type, count), count);
}

bool MControlFont::SetImage(const std::string& fileName, int count)
{
    return m_manager && AdoptImage(m_manager->AddImgResInfo(fileName, count), count);
}

bool MControlFont::AdoptImage(const ImgResInfo* info, int count)
{
    if (!info) {
        return false;
    }
    m_image = info->image;
    m_sliceWidth = info->sliceWidth;
    m_sliceHeight = info->sliceHeight;
    m_sliceCount = count;
    m_imageFile = info->fileName;
    if (IsVisible()) {
        UpdateControl(true);
    }
    return true;
}

void MControlFont::SetControlTitle(const std::string& title) { m_title = title; }
std::string MControlFont::GetControlTitle() { return m_title; }

void MControlFont::SetTitle(const std::string& title)
{
    SetControlTitle(title);
    if (IsVisible()) {
        UpdateControl(true);
    }
}

void MControlFont::SetAlignment(UINT h) { SetAlignment(h, m_vAlign); }
void MControlFont::SetVAlignment(UINT v) { SetAlignment(m_hAlign, v); }

void MControlFont::SetAlignment(UINT h, UINT v)
{
    if (h == m_hAlign && v == m_vAlign) {
        return;
    }
    m_hAlign = h;
    m_vAlign = v;
    if (IsVisible()) {
        UpdateControl(true);
    }
}

void MControlFont::GetAlignment(UINT& h, UINT& v) const
{
    h = m_hAlign;
    v = m_vAlign;
}

void MControlFont::SetFont(const std::string& family, int size, int style)
{
    m_fontFamily = family;
    m_fontSize = size;
    m_fontStyle = style;
}

MFont MControlFont::GetGDIFont() const { return MFont { Manager::GetFontName(), m_fontSize, m_fontStyle }; }

const std::string* MControlFont::GetFontFamily(const std::string& name) const
{
    return m_manager ? m_manager->FindTempFont(name) : nullptr;
}

void MControlFont::DrawSlice(HDC hdc, int index, const CRect& dest, int edge) const
{
    if (!m_image || m_sliceWidth <= 0) {
        return;
    }
    int slices = std::max(1, m_image->GetWidth() / m_sliceWidth);
    index = std::clamp(index, 0, slices - 1);
    MRender::DrawImageFrame(hdc, m_image.get(), dest, index * m_sliceWidth, 0, m_sliceWidth, m_sliceHeight, edge);
}

void MControlFont::DrawSliceAt(HDC hdc, int index, CPoint at) const
{
    if (!m_image || m_sliceWidth <= 0) {
        return;
    }
    int slices = std::max(1, m_image->GetWidth() / m_sliceWidth);
    index = std::clamp(index, 0, slices - 1);
    MRender::DrawImage(hdc, m_image.get(), CRect(at, CSize(m_sliceWidth, m_sliceHeight)), index * m_sliceWidth, 0,
        m_sliceWidth, m_sliceHeight);
}

void MControlFont::DrawTitle(HDC hdc, const CRect& rect, ARGB color) const
{
    MRender::DrawTextW(hdc, m_title, GetFont(), rect, color,
        StringFormat::FromDT(m_hAlign, m_vAlign, StringFormatFlagsNoWrap | StringFormatFlagsMeasureTrailingSpaces));
}

} // namespace lumo
