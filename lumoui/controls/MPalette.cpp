#include "lumoui/MPalette.h"
#include "lumoui/ColorHsl.h"
#include "lumoui/MRender.h"
#include "lumoui/Messages.h"
#include "lumoui/PaintManager.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lumo {

LUMO_REGISTER_CONTROL(MPalette, kWindowFactory | kContainerFactory)

namespace {

constexpr int kHueSteps = 360;
constexpr int kSatSteps = 200;
constexpr int kLightSteps = 200;
constexpr int kLightRange = kLightSteps - MPalette::kMinLightness; // 180
constexpr int kBitmapWidth = MPalette::kBarColumn + MPalette::kBarWidth;
constexpr int kMarkerSize = 8;

uint32_t Opaque(COLORREF c)
{
    return ColorRefToARGB(c);
}

// Writes one pixel of an image surface that nobody has drawn into yet.
void Put(cairo_surface_t* s, int x, int y, uint32_t argb)
{
    auto* row = reinterpret_cast<uint32_t*>(
        cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s));
    row[x] = argb;
}

} // namespace

MPalette::MPalette(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MPanel(parent, id, rect, visible)
    , m_bitmap(MImage::Create(kBitmapWidth, kBitmapRows))
{
    SetControlEnabled(enabled != 0);
    BuildField();
    BuildBar();
    PlaceMarker();
    m_reported = GetSelectColor();
}

MPalette::~MPalette() = default;

// Colour ------------------------------------------------------------------------------------------

COLORREF MPalette::GetSelectColor() const
{
    return HslToRgb(m_hue / double(kHueSteps), m_sat / double(kSatSteps), m_light / double(kLightSteps));
}

void MPalette::SetSelectColor(COLORREF color)
{
    Hsl hsl = RgbToHsl(color);
    m_hue = static_cast<int>(std::lround(hsl.h * kHueSteps));
    m_sat = static_cast<int>(std::lround(hsl.s * kSatSteps));
    m_light = static_cast<int>(std::lround(hsl.l * kLightSteps));
    PlaceMarker();
    BuildBar();
    m_reported = GetSelectColor();
    UpdateControl(true);
}

bool MPalette::SetThumbImage(const std::string& fileName)
{
    ImgResInfo* info = m_manager ? m_manager->AddImgResInfo(fileName, 1) : nullptr;
    if (!info) {
        return false;
    }
    m_thumb = info->image;
    UpdateControl(true);
    return true;
}

void MPalette::SetPalletHeight(int height)
{
    m_fieldHeight = std::max(1, height);
    PlaceMarker();
    UpdateControl(true);
}

// Geometry ----------------------------------------------------------------------------------------

CRect MPalette::GetFieldRect() const
{
    return CRect(m_rect.left, m_rect.top, m_rect.right - kFieldRightGap, m_rect.top + m_fieldHeight);
}

CRect MPalette::GetBarRect() const
{
    return CRect(
        m_rect.right - kBarWidth - kBarRightSpace, m_rect.top, m_rect.right, m_rect.top + m_fieldHeight);
}

int MPalette::GetThumbRow() const
{
    return m_rect.top + m_fieldHeight * m_sat / kSatSteps;
}

void MPalette::PlaceMarker()
{
    CRect field = GetFieldRect();
    m_marker.x = field.left + field.Width() * m_hue / kHueSteps;
    m_marker.y = std::max(field.top, field.top + (m_light - kMinLightness) * m_fieldHeight / kLightRange);
}

void MPalette::SetControlRect(CRect rect)
{
    MPanel::SetControlRect(rect);
    PlaceMarker();
}

// The pictures ------------------------------------------------------------------------------------------

void MPalette::BuildField()
{
    cairo_surface_t* s = m_bitmap ? m_bitmap->GetSurface() : nullptr;
    if (!s) {
        return;
    }
    cairo_surface_flush(s);
    for (int i = 0; i < kBitmapRows; ++i) {
        for (int j = 0; j < kHueSteps; ++j) {
            Put(s, j, i, Opaque(HslToRgb(j / double(kHueSteps), 1.0, i / double(kLightSteps))));
        }
    }
    cairo_surface_mark_dirty(s);
}

void MPalette::BuildBar()
{
    cairo_surface_t* s = m_bitmap ? m_bitmap->GetSurface() : nullptr;
    if (!s) {
        return;
    }
    cairo_surface_flush(s);
    for (int j = 0; j < kBitmapRows; ++j) {
        uint32_t c = Opaque(
            HslToRgb(m_hue / double(kHueSteps), j / double(kSatSteps), m_light / double(kLightSteps)));
        for (int x = kBarColumn; x < kBitmapWidth; ++x) {
            Put(s, x, j, c);
        }
    }
    cairo_surface_mark_dirty(s);
}

void MPalette::DrawControl(HDC& hdc, CRect)
{
    CRect field = GetFieldRect();
    CRect bar = GetBarRect();
    bar.right = bar.left + kBarWidth;
    // Rows 0-19 (lightness below 0.1) are left out: the field runs from 0.1 to 1.0.
    MRender::DrawImage(hdc, m_bitmap.get(), field, 0, kMinLightness, kHueSteps, kBitmapRows - kMinLightness);
    MRender::DrawImage(hdc, m_bitmap.get(), bar, kBarColumn, 0, kBarWidth, kBitmapRows);

    cairo_save(hdc);
    cairo_set_line_width(hdc, 1.0);
    for (auto [shift, color] : { std::pair { 1, kMarkerShade }, std::pair { 0, kMarkerColor } }) {
        // Centred on the pixel corner with a radius of 3.5, the ring covers whole pixels.
        double r = kMarkerSize / 2.0 - 0.5;
        cairo_new_path(hdc);
        cairo_arc(hdc, m_marker.x + shift, m_marker.y + shift, r, 0, 2 * M_PI);
        cairo_set_source_rgba(hdc, ((color >> 16) & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0,
            (color & 0xFF) / 255.0, (color >> 24) / 255.0);
        cairo_stroke(hdc);
    }
    cairo_restore(hdc);

    if (m_thumb) {
        int y = GetThumbRow() - m_thumb->GetHeight() / 2;
        MRender::DrawImage(hdc, m_thumb.get(), bar.right, y);
    }
    if (!IsEnabled()) {
        MRender::DrawColor(hdc, m_rect, kDisabledVeil);
    }
}

// Input -------------------------------------------------------------------------------------------

void MPalette::PickField(CPoint pt)
{
    CRect field = GetFieldRect();
    int width = std::max(1, field.Width());
    m_hue = std::clamp((pt.x - field.left) * kHueSteps / width, 0, kHueSteps);
    m_light = std::clamp(
        (pt.y - field.top) * kLightRange / m_fieldHeight + kMinLightness, kMinLightness, kLightSteps);
    m_marker = CPoint(std::clamp(pt.x, field.left, field.right), std::clamp(pt.y, field.top, field.bottom));
    BuildBar();
    UpdateControl(true);
}

void MPalette::PickBar(CPoint pt)
{
    int sat = std::clamp((pt.y - m_rect.top) * kSatSteps / m_fieldHeight, 0, kSatSteps);
    if (sat != m_sat) {
        m_sat = sat;
        UpdateControl(true);
    }
}

void MPalette::Report(bool withColour)
{
    COLORREF color = GetSelectColor();
    if (color == m_reported) {
        return;
    }
    m_reported = color;
    SendMessageW(NOTIFY_COLOR, withColour ? color : 0, 0);
}

bool MPalette::OnControlLButtonDown(UINT, CPoint pt)
{
    if (!IsEnabled() || !m_rect.PtInRect(pt)) {
        return false;
    }
    CRect field = GetFieldRect();
    // The field's far edges count, so its last row gives full lightness.
    if (pt.x >= field.left && pt.x <= field.right && pt.y >= field.top && pt.y <= field.bottom) {
        m_drag = Drag::Field;
        PickField(pt);
    } else if (GetBarRect().PtInRect(pt) || (pt.y == GetBarRect().bottom && pt.x >= GetBarRect().left)) {
        m_drag = Drag::Bar;
        PickBar(pt);
    } else {
        return true;
    }
    Report(true);
    return true;
}

bool MPalette::OnControlMouseMove(UINT, CPoint pt)
{
    if (m_drag == Drag::Field) {
        PickField(pt);
        Report(true);
    } else if (m_drag == Drag::Bar) {
        PickBar(pt);
        Report(false);
    }
    return m_rect.PtInRect(pt);
}

bool MPalette::OnControlLButtonUp(UINT, CPoint pt)
{
    m_drag = Drag::None;
    return m_rect.PtInRect(pt);
}

} // namespace lumo
