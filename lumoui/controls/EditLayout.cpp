#include "controls/EditLayout.h"
#include "platform/render/TextRenderer.h"

#include <pango/pangocairo.h>

#include <algorithm>

namespace lumo {

namespace {

constexpr int kBreakWidth = 4;

int Px(int pangoUnits)
{
    return PANGO_PIXELS(pangoUnits);
}

} // namespace

EditLayout::~EditLayout()
{
    if (m_layout) {
        g_object_unref(m_layout);
    }
}

void EditLayout::Set(const std::string& text, const MFont& font, int wrapWidth, bool singleLine,
    size_t underlineFrom, size_t underlineTo)
{
    if (underlineFrom >= underlineTo) {
        underlineFrom = underlineTo = 0;
    }
    if (m_layout && text == m_text && font == m_font && wrapWidth == m_wrap && singleLine == m_singleLine
        && underlineFrom == m_underlineFrom && underlineTo == m_underlineTo) {
        return;
    }
    if (!m_layout || !(font == m_font)) {
        if (m_layout) {
            g_object_unref(m_layout);
        }
        m_layout = TextRenderer::ForThisThread().NewLayout(font);
    } else {
        TextRenderer::ApplyFont(m_layout, font);
    }
    m_text = text;
    m_font = font;
    m_wrap = wrapWidth;
    m_singleLine = singleLine;
    m_underlineFrom = underlineFrom;
    m_underlineTo = underlineTo;
    pango_layout_set_single_paragraph_mode(m_layout, singleLine);
    if (wrapWidth > 0) {
        pango_layout_set_width(m_layout, wrapWidth * PANGO_SCALE);
        pango_layout_set_wrap(m_layout, PANGO_WRAP_WORD_CHAR);
    } else {
        pango_layout_set_width(m_layout, -1);
    }
    pango_layout_set_text(m_layout, m_text.data(), static_cast<int>(m_text.size()));
    if (underlineTo > underlineFrom && underlineTo <= m_text.size()) {
        PangoAttrList* base = pango_layout_get_attributes(m_layout);
        PangoAttrList* attrs = base ? pango_attr_list_copy(base) : pango_attr_list_new();
        PangoAttribute* line = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
        line->start_index = static_cast<guint>(underlineFrom);
        line->end_index = static_cast<guint>(underlineTo);
        pango_attr_list_insert(attrs, line);
        pango_layout_set_attributes(m_layout, attrs);
        pango_attr_list_unref(attrs);
    }
}

CSize EditLayout::Size() const
{
    if (!m_layout) {
        return CSize();
    }
    PangoRectangle logical;
    pango_layout_get_pixel_extents(m_layout, nullptr, &logical);
    return CSize(logical.width, std::max(logical.height, LineHeight()));
}

int EditLayout::LineHeight() const
{
    if (!m_layout) {
        return 0;
    }
    PangoRectangle strong;
    pango_layout_get_cursor_pos(m_layout, 0, &strong, nullptr);
    return Px(strong.height);
}

CRect EditLayout::CaretRect(size_t index) const
{
    if (!m_layout) {
        return CRect();
    }
    PangoRectangle strong;
    pango_layout_get_cursor_pos(m_layout, static_cast<int>(std::min(index, m_text.size())), &strong, nullptr);
    int x = Px(strong.x);
    int y = Px(strong.y);
    return CRect(x, y, x + 1, y + std::max(1, Px(strong.height)));
}

size_t EditLayout::Advance(size_t index, int chars) const
{
    const char* base = m_text.c_str();
    const char* p = g_utf8_offset_to_pointer(base + index, chars);
    return std::min(static_cast<size_t>(p - base), m_text.size());
}

size_t EditLayout::IndexAt(CPoint pt) const
{
    if (!m_layout || m_text.empty()) {
        return 0;
    }
    int index = 0;
    int trailing = 0;
    pango_layout_xy_to_index(m_layout, pt.x * PANGO_SCALE, pt.y * PANGO_SCALE, &index, &trailing);
    return Advance(static_cast<size_t>(index), trailing);
}

size_t EditLayout::LineStart(size_t index) const
{
    if (!m_layout) {
        return 0;
    }
    int line = 0;
    pango_layout_index_to_line_x(
        m_layout, static_cast<int>(std::min(index, m_text.size())), FALSE, &line, nullptr);
    PangoLayoutLine* l = pango_layout_get_line_readonly(m_layout, line);
    return l ? static_cast<size_t>(l->start_index) : 0;
}

size_t EditLayout::LineEnd(size_t index) const
{
    if (!m_layout) {
        return 0;
    }
    int line = 0;
    pango_layout_index_to_line_x(
        m_layout, static_cast<int>(std::min(index, m_text.size())), FALSE, &line, nullptr);
    PangoLayoutLine* l = pango_layout_get_line_readonly(m_layout, line);
    if (!l) {
        return m_text.size();
    }
    size_t end = static_cast<size_t>(l->start_index + l->length);
    // A wrapped line ends before the space it broke at, so End stays on this line.
    bool wrapped = line + 1 < pango_layout_get_line_count(m_layout);
    if (wrapped && end > static_cast<size_t>(l->start_index) && end <= m_text.size() && m_text[end - 1] == ' '
        && (end == m_text.size() || m_text[end] != '\n')) {
        --end;
    }
    return end;
}

bool EditLayout::LineMove(size_t index, int dir, int x, size_t* out) const
{
    if (!m_layout) {
        return false;
    }
    int line = 0;
    pango_layout_index_to_line_x(
        m_layout, static_cast<int>(std::min(index, m_text.size())), FALSE, &line, nullptr);
    int target = line + (dir < 0 ? -1 : 1);
    if (target < 0 || target >= pango_layout_get_line_count(m_layout)) {
        return false;
    }
    PangoLayoutLine* l = pango_layout_get_line_readonly(m_layout, target);
    int found = 0;
    int trailing = 0;
    pango_layout_line_x_to_index(l, x * PANGO_SCALE, &found, &trailing);
    size_t result = Advance(static_cast<size_t>(found), trailing);
    // Past the end of a line that ends in a break the index lands after the break.
    size_t end = static_cast<size_t>(l->start_index + l->length);
    *out = std::min(result, end);
    return true;
}

std::vector<CRect> EditLayout::RangeRects(size_t from, size_t to) const
{
    std::vector<CRect> rects;
    if (!m_layout || from >= to) {
        return rects;
    }
    PangoLayoutIter* it = pango_layout_get_iter(m_layout);
    do {
        PangoLayoutLine* line = pango_layout_iter_get_line_readonly(it);
        int y0 = 0;
        int y1 = 0;
        pango_layout_iter_get_line_yrange(it, &y0, &y1);
        int lineEnd = line->start_index + line->length;
        int start = std::max(static_cast<int>(from), line->start_index);
        int end = std::min(static_cast<int>(to), lineEnd);
        if (start < end) {
            int* ranges = nullptr;
            int n = 0;
            pango_layout_line_get_x_ranges(line, start, end, &ranges, &n);
            for (int i = 0; i < n; ++i) {
                int left = Px(ranges[2 * i]);
                int right = Px(ranges[2 * i + 1]);
                if (right > left) {
                    rects.emplace_back(left, Px(y0), right, Px(y1));
                }
            }
            g_free(ranges);
        }
        // A selected line break shows as a small box after its line.
        bool isBreak
            = static_cast<size_t>(lineEnd) < m_text.size() && m_text[static_cast<size_t>(lineEnd)] == '\n';
        if (isBreak && static_cast<int>(from) <= lineEnd && static_cast<int>(to) > lineEnd) {
            int xe = 0;
            pango_layout_line_index_to_x(line, lineEnd, FALSE, &xe);
            rects.emplace_back(Px(xe), Px(y0), Px(xe) + kBreakWidth, Px(y1));
        }
    } while (pango_layout_iter_next_line(it));
    pango_layout_iter_free(it);
    return rects;
}

void EditLayout::Draw(HDC hdc, int x, int y, ARGB color) const
{
    if (!hdc || !m_layout || m_text.empty()) {
        return;
    }
    cairo_save(hdc);
    cairo_set_source_rgba(hdc, ((color >> 16) & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0,
        (color & 0xFF) / 255.0, (color >> 24) / 255.0);
    cairo_move_to(hdc, x, y);
    pango_cairo_show_layout(hdc, m_layout);
    cairo_restore(hdc);
}

} // namespace lumo
