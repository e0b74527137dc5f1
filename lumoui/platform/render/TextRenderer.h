#pragma once

// Text drawing and measuring with pango. Shaping text is the expensive part of drawing a
// frame, so laid-out texts are kept in a per-thread cache (least recently used ones go
// first) and reused as long as text, font, width and layout flags are the same.

#include "lumoui/Graphics.h"

#include <list>
#include <string>
#include <unordered_map>

#include <pango/pangocairo.h>

namespace lumo {

class TextRenderer {
public:
    static TextRenderer& ForThisThread();

    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // Draws `text` into `rect`: aligned as `fmt` says, wrapped at the rect's width unless
    // NoWrap, clipped to the rect unless NoClip.
    void Draw(HDC hdc, const std::string& text, const MFont& font, const CRect& rect, ARGB color,
        const StringFormat& fmt);
    // Size of the laid-out text; wrapped at maxWidth when it is positive and NoWrap is not set.
    CSize Measure(const std::string& text, const MFont& font, int maxWidth, UINT flags);

    // A new layout in this thread's context with the font set; the caller owns it
    // (g_object_unref). For editors, whose text changes with every key and would only crowd
    // the cache.
    PangoLayout* NewLayout(const MFont& font);
    static void ApplyFont(PangoLayout* layout, const MFont& font);

    // Makes a font file usable by family name in this process (every thread). False when
    // fontconfig does not take it.
    static bool RegisterFontFile(const std::string& path);

    size_t CachedLayouts() const { return m_entries.size(); }

private:
    TextRenderer();

    struct Entry {
        std::string key;
        PangoLayout* layout = nullptr;
        PangoRectangle logical { };
    };
    void EnsureContext();
    const Entry& Layout(const std::string& text, const MFont& font, int width, const StringFormat& fmt);
    void Reset();

    PangoFontMap* m_fontMap = nullptr;
    PangoContext* m_context = nullptr;
    int m_generation = -1;
    std::list<Entry> m_lru; // most recently used first
    std::unordered_map<std::string, std::list<Entry>::iterator> m_entries;
};

} // namespace lumo
