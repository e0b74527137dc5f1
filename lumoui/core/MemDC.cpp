#include "lumoui/Graphics.h"

#include <utility>

namespace lumo {

MemDC::MemDC(MemDC&& other) noexcept
    : m_surface(std::exchange(other.m_surface, nullptr))
    , m_cr(std::exchange(other.m_cr, nullptr))
    , m_cx(std::exchange(other.m_cx, 0))
    , m_cy(std::exchange(other.m_cy, 0))
{
}

MemDC& MemDC::operator=(MemDC&& other) noexcept
{
    if (this != &other) {
        Release();
        m_surface = std::exchange(other.m_surface, nullptr);
        m_cr = std::exchange(other.m_cr, nullptr);
        m_cx = std::exchange(other.m_cx, 0);
        m_cy = std::exchange(other.m_cy, 0);
    }
    return *this;
}

bool MemDC::Create(int cx, int cy)
{
    Release();
    if (cx <= 0 || cy <= 0) {
        return false;
    }
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cx, cy);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return false;
    }
    cairo_t* cr = cairo_create(s);
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(cr);
        cairo_surface_destroy(s);
        return false;
    }
    m_surface = s;
    m_cr = cr;
    m_cx = cx;
    m_cy = cy;
    return true;
}

void MemDC::Release()
{
    if (m_cr) {
        cairo_destroy(m_cr);
    }
    if (m_surface) {
        cairo_surface_destroy(m_surface);
    }
    m_cr = nullptr;
    m_surface = nullptr;
    m_cx = 0;
    m_cy = 0;
}

void MemDC::Clear()
{
    if (!m_cr) {
        return;
    }
    cairo_save(m_cr);
    cairo_reset_clip(m_cr);
    cairo_set_operator(m_cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(m_cr);
    cairo_restore(m_cr);
}

uint32_t* MemDC::Bits() const
{
    return m_surface ? reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(m_surface)) : nullptr;
}

int MemDC::Stride() const { return m_surface ? cairo_image_surface_get_stride(m_surface) : 0; }

void MemDC::Flush() const
{
    if (m_surface) {
        cairo_surface_flush(m_surface);
    }
}

void MemDC::MarkDirty() const
{
    if (m_surface) {
        cairo_surface_mark_dirty(m_surface);
    }
}

} // namespace lumo
