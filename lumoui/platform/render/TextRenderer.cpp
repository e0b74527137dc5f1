#include "platform/render/TextRenderer.h"

#include <fontconfig/fontconfig.h>

#include <atomic>
#include <mutex>

namespace lumo {

namespace {

constexpr size_t kMaxCachedLayouts = 2048;

// Bumped whenever a font file is registered, so every thread rebuilds its font map.
std::atomic<int> g_fontGeneration { 0 };
std::mutex g_fontConfigLock;

PangoAlignment PangoAlign(UINT a)
{
    return a == StringAlignmentCenter ? PANGO_ALIGN_CENTER : a == StringAlignmentFar ? PANGO_ALIGN_RIGHT
                                                                                     : PANGO_ALIGN_LEFT;
}

} // namespace

TextRenderer& TextRenderer::ForThisThread()
{
    thread_local TextRenderer renderer;
    return renderer;
}

TextRenderer::TextRenderer() = default;

TextRenderer::~TextRenderer() { Reset(); }

void TextRenderer::Reset()
{
    for (auto& e : m_lru) {
        g_object_unref(e.layout);
    }
    m_lru.clear();
    m_entries.clear();
    if (m_context) {
        g_object_unref(m_context);
        m_context = nullptr;
    }
    if (m_fontMap) {
        g_object_unref(m_fontMap);
        m_fontMap = nullptr;
    }
}

bool TextRenderer::RegisterFontFile(const std::string& path)
{
    std::lock_guard lock(g_fontConfigLock);
    FcConfig* config = FcConfigGetCurrent();
    bool ok = FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(path.c_str())) == FcTrue;
    if (ok) {
        ++g_fontGeneration;
    }
    return ok;
}

void TextRenderer::EnsureContext()
{
    int generation = g_fontGeneration.load();
    if (generation != m_generation || !m_context) {
        Reset();
        std::lock_guard lock(g_fontConfigLock);
        m_fontMap = pango_cairo_font_map_new();
        m_context = pango_font_map_create_context(m_fontMap);
        cairo_font_options_t* opts = cairo_font_options_create();
        cairo_font_options_set_antialias(opts, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_hint_metrics(opts, CAIRO_HINT_METRICS_ON);
        pango_cairo_context_set_font_options(m_context, opts);
        cairo_font_options_destroy(opts);
        m_generation = generation;
    }
}

PangoLayout* TextRenderer::NewLayout(const MFont& font)
{
    EnsureContext();
    PangoLayout* layout = pango_layout_new(m_context);
    ApplyFont(layout, font);
    return layout;
}

void TextRenderer::ApplyFont(PangoLayout* layout, const MFont& font)
{
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, font.family.empty() ? "Sans" : font.family.c_str());
    pango_font_description_set_absolute_size(desc, static_cast<double>(std::max(1, font.size)) * PANGO_SCALE);
    pango_font_description_set_weight(desc, (font.style & FontStyleBold) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(desc, (font.style & FontStyleItalic) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    if (font.style & (FontStyleUnderline | FontStyleStrikeout)) {
        PangoAttrList* attrs = pango_attr_list_new();
        if (font.style & FontStyleUnderline) {
            pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
        }
        if (font.style & FontStyleStrikeout) {
            pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
        }
        pango_layout_set_attributes(layout, attrs);
        pango_attr_list_unref(attrs);
    }
}

const TextRenderer::Entry& TextRenderer::Layout(
    const std::string& text, const MFont& font, int width, const StringFormat& fmt)
{
    EnsureContext();
    bool wrap = width > 0;
    std::string key;
    key.reserve(text.size() + font.family.size() + 32);
    key += font.family;
    key += '\x1f';
    key += std::to_string(font.size) + ',' + std::to_string(font.style) + ',' + std::to_string(wrap ? width : -1)
        + ',' + std::to_string(wrap ? fmt.alignment : 0) + '\x1f';
    key += text;
    auto found = m_entries.find(key);
    if (found != m_entries.end()) {
        m_lru.splice(m_lru.begin(), m_lru, found->second);
        return *found->second;
    }

    PangoLayout* layout = pango_layout_new(m_context);
    ApplyFont(layout, font);
    if (wrap) {
        pango_layout_set_width(layout, width * PANGO_SCALE);
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
        pango_layout_set_alignment(layout, PangoAlign(fmt.alignment));
    }
    pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));

    Entry e;
    e.key = key;
    e.layout = layout;
    pango_layout_get_pixel_extents(layout, nullptr, &e.logical);
    m_lru.push_front(std::move(e));
    m_entries[m_lru.front().key] = m_lru.begin();
    if (m_lru.size() > kMaxCachedLayouts) {
        m_entries.erase(m_lru.back().key);
        g_object_unref(m_lru.back().layout);
        m_lru.pop_back();
    }
    return m_lru.front();
}

void TextRenderer::Draw(
    HDC hdc, const std::string& text, const MFont& font, const CRect& rect, ARGB color, const StringFormat& fmt)
{
    if (!hdc || text.empty()) {
        return;
    }
    bool wrap = !(fmt.flags & StringFormatFlagsNoWrap) && rect.Width() > 0;
    const Entry& e = Layout(text, font, wrap ? rect.Width() : 0, fmt);
    int x = rect.left;
    if (!wrap) {
        int w = e.logical.width;
        x = fmt.alignment == StringAlignmentCenter ? rect.left + (rect.Width() - w) / 2
            : fmt.alignment == StringAlignmentFar  ? rect.right - w
                                                   : rect.left;
        x -= e.logical.x;
    }
    int h = e.logical.height;
    int y = fmt.lineAlignment == StringAlignmentCenter ? rect.top + (rect.Height() - h) / 2
        : fmt.lineAlignment == StringAlignmentFar      ? rect.bottom - h
                                                       : rect.top;
    y -= e.logical.y;
    cairo_save(hdc);
    if (!(fmt.flags & StringFormatFlagsNoClip)) {
        cairo_rectangle(hdc, rect.left, rect.top, rect.Width(), rect.Height());
        cairo_clip(hdc);
    }
    cairo_set_source_rgba(hdc, ((color >> 16) & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, (color & 0xFF) / 255.0,
        (color >> 24) / 255.0);
    cairo_move_to(hdc, x, y);
    pango_cairo_show_layout(hdc, e.layout);
    cairo_restore(hdc);
}

CSize TextRenderer::Measure(const std::string& text, const MFont& font, int maxWidth, UINT flags)
{
    if (text.empty()) {
        return CSize(0, 0);
    }
    bool wrap = !(flags & StringFormatFlagsNoWrap) && maxWidth > 0;
    StringFormat fmt;
    fmt.flags = flags;
    const Entry& e = Layout(text, font, wrap ? maxWidth : 0, fmt);
    return CSize(e.logical.width, e.logical.height);
}

} // namespace lumo
