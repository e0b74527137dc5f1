#include "GifEncoder.h"
#include "IcoWriter.h"
#include "Paint.h"
#include "SkinPainters.h"

#include <cmath>
#include <string>

namespace clavora::assets {
namespace {

// The program's emblem: a key cap seen from above with an orange "C" on its face.
void DrawEmblem(cairo_t* cr, int x, int y, int size)
{
    const double s = size;
    PaintPlate(cr, x, y, size, size, std::max(2.0, s * 0.2),
               {Rgb(0x1D3044), Rgb(0x0A1118), size >= 24 ? theme::kKeyCap : Rgb(0, 0), Rgb(0, 0)});
    double cx = x + s / 2;
    double cy = y + s / 2;
    if (size >= 24) {
        const double left = x + s * 0.14;
        const double top = y + s * 0.10;
        const double w = s * 0.72;
        const double h = s * 0.66;
        cairo_pattern_t* face = cairo_pattern_create_linear(0, top, 0, top + h);
        cairo_pattern_add_color_stop_rgb(face, 0, 0.16, 0.25, 0.35);
        cairo_pattern_add_color_stop_rgb(face, 1, 0.08, 0.15, 0.22);
        RoundRectPath(cr, left, top, w, h, s * 0.13);
        cairo_set_source(cr, face);
        cairo_fill(cr);
        cairo_pattern_destroy(face);
        cy = top + h / 2;
    }
    const double radius = s * (size >= 24 ? 0.21 : 0.27);
    cairo_set_line_width(cr, std::max(2.0, s * 0.11));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, 50 * M_PI / 180, 310 * M_PI / 180);
    SetSource(cr, theme::kOutline);
    cairo_stroke(cr);
    if (size >= 24) {
        cairo_arc(cr, cx + radius * 0.75, cy, std::max(1.2, s * 0.045), 0, 2 * M_PI);
        SetSource(cr, theme::kKeyCapHigh);
        cairo_fill(cr);
    }
}

TextStyle LogoText(double textSize)
{
    TextStyle style;
    style.pixelSize = textSize;
    style.bold = true;
    style.italic = true;
    style.letterSpacing = textSize * 0.08;
    return style;
}

// Emblem, name, and a two-colour underline. The name shrinks if the font runs wider than the
// picture, so the picture's size never depends on the fonts installed.
Canvas Logo(int width, int height, int emblem, double textSize)
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.Cr();
    const int margin = (height - emblem) / 2;
    DrawEmblem(cr, margin, margin, emblem);
    const int textX = margin * 2 + emblem + 2;
    const double room = width - textX - margin;
    TextStyle style = LogoText(textSize);
    double textWidth = MeasureText(cr, "CLAVORA", style);
    while (textWidth > room && style.pixelSize > 6) {
        style = LogoText(style.pixelSize - 1);
        textWidth = MeasureText(cr, "CLAVORA", style);
    }
    DrawTextCentred(cr, "CLAVORA", style, textX, margin, textWidth, emblem * 0.8);
    const int lineY = static_cast<int>(margin + emblem * 0.86);
    const int split = static_cast<int>(textX + textWidth * 0.4);
    const int lineH = std::max(1, static_cast<int>(textSize / 10));
    FillRect(cr, textX, lineY, split - textX, lineH, theme::kOutline);
    FillRect(cr, split + 2, lineY, textX + textWidth - split - 4, lineH, theme::kKeyCap);
    return canvas;
}

void PaintLogos(AssetWriter& out)
{
    out.Png("logo/logo.png", Logo(160, 40, 32, 20));
    out.Png("logo/logo_loading.png", Logo(300, 80, 60, 36));
}

void PaintProgramIcon(AssetWriter& out)
{
    std::vector<IcoImage> images;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        Canvas canvas(size, size);
        DrawEmblem(canvas.Cr(), 0, 0, size);
        images.push_back({size, canvas.EncodePng()});
        if (size == 64)
            out.Png("Clavora.png", canvas);
    }
    const std::vector<uint8_t> ico = MakeIco(images);
    if (ico.empty())
        out.Fail("Clavora.ico: cannot build the icon");
    else
        out.Bytes("Clavora.ico", ico);
}

// One frame of the busy spinner: a dim ring with a bright comet turning clockwise.
void DrawSpinner(cairo_t* cr, int size, int frame, int frames, bool emblem)
{
    const double c = size / 2.0;
    const double radius = size * 0.38;
    const double width = std::max(2.0, std::round(size * 0.07));
    cairo_set_line_width(cr, width);
    cairo_arc(cr, c, c, radius, 0, 2 * M_PI);
    SetSource(cr, theme::kBorder.WithAlpha(0.7));
    cairo_stroke(cr);

    const double head = -M_PI / 2 + frame * 2 * M_PI / frames;
    const int segments = 30;
    const double span = 150 * M_PI / 180;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (int i = segments - 1; i >= 0; --i) {
        const double t = static_cast<double>(i) / segments;
        const double a1 = head - t * span;
        const double a0 = head - (t + 1.0 / segments) * span - 0.01;
        cairo_new_sub_path(cr);
        cairo_arc(cr, c, c, radius, a0, a1);
        SetSource(cr, Mix(theme::kOutline, theme::kKeyCap, std::min(1.0, t * 4)).WithAlpha(1 - t));
        cairo_stroke(cr);
    }
    cairo_arc(cr, c + radius * std::cos(head), c + radius * std::sin(head), width * 0.7, 0, 2 * M_PI);
    SetSource(cr, theme::kOutlineHigh);
    cairo_fill(cr);
    if (emblem) {
        const int e = static_cast<int>(size * 0.36);
        DrawEmblem(cr, (size - e) / 2, (size - e) / 2, e);
    }
}

void PaintSpinner(AssetWriter& out, const std::string& name, int size, int frames, int delay, Rgba matte, bool emblem)
{
    GifEncoder gif(size, size, matte);
    for (int f = 0; f < frames; ++f) {
        Canvas canvas(size, size);
        DrawSpinner(canvas.Cr(), size, f, frames, emblem);
        gif.AddFrame(canvas, delay);
    }
    const std::vector<uint8_t> bytes = gif.Encode();
    if (bytes.empty())
        out.Fail(name + ": cannot encode");
    else
        out.Bytes(name, bytes);
}

} // namespace

void PaintBranding(AssetWriter& out)
{
    PaintLogos(out);
    PaintProgramIcon(out);
    // The wait box shows its animation over the grey 0x333333; frames change every 50 ms.
    PaintSpinner(out, "loading.gif", 100, 16, 5, Rgb(0x333333), true);
    // The loading window sits on the theme's back colour.
    PaintSpinner(out, "loading/loading.gif", 64, 24, 2, theme::kBack, false);
}

} // namespace clavora::assets
