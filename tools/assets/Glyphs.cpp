#include "Glyphs.h"

#include "Paint.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace clavora::assets {
namespace {

using Points = std::initializer_list<std::pair<double, double>>;

// Maps the 20-unit design grid into the target box. Stroke end points are snapped so that a
// horizontal or vertical stroke covers whole pixels.
class Pen {
public:
    Pen(cairo_t* cr, double x, double y, double size, Rgba colour, double lineWidth)
        : m_cr(cr), m_x(x), m_y(y), m_scale(size / 20.0), m_lineWidth(lineWidth), m_colour(colour)
    {
        // Centre strokes so that one edge lies on a pixel boundary: odd widths land on pixel
        // centres, even widths on boundaries, and 1.5 covers one whole and one half pixel.
        m_offset = std::fmod(lineWidth / 2, 1.0);
        SetSource(cr, colour);
        cairo_set_line_width(cr, lineWidth);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    }

    double X(double u) const { return std::round(m_x + u * m_scale) + m_offset; }
    double Y(double v) const { return std::round(m_y + v * m_scale) + m_offset; }
    double FreeX(double u) const { return m_x + u * m_scale; }
    double FreeY(double v) const { return m_y + v * m_scale; }
    double Len(double u) const { return u * m_scale; }

    void Line(double u0, double v0, double u1, double v1) const
    {
        cairo_move_to(m_cr, X(u0), Y(v0));
        cairo_line_to(m_cr, X(u1), Y(v1));
        cairo_stroke(m_cr);
    }

    void Polyline(Points points, bool closed = false) const
    {
        bool first = true;
        for (const auto& [u, v] : points) {
            if (first)
                cairo_move_to(m_cr, X(u), Y(v));
            else
                cairo_line_to(m_cr, X(u), Y(v));
            first = false;
        }
        if (closed)
            cairo_close_path(m_cr);
        cairo_stroke(m_cr);
    }

    void FillPolygon(Points points) const
    {
        bool first = true;
        for (const auto& [u, v] : points) {
            if (first)
                cairo_move_to(m_cr, FreeX(u), FreeY(v));
            else
                cairo_line_to(m_cr, FreeX(u), FreeY(v));
            first = false;
        }
        cairo_close_path(m_cr);
        cairo_fill(m_cr);
    }

    // A filled rectangle whose edges fall on pixel boundaries.
    void FillBox(double u, double v, double w, double h, double radius = 0) const
    {
        const double x0 = std::round(FreeX(u));
        const double y0 = std::round(FreeY(v));
        const double x1 = std::max(x0 + 1, std::round(FreeX(u + w)));
        const double y1 = std::max(y0 + 1, std::round(FreeY(v + h)));
        RoundRectPath(m_cr, x0, y0, x1 - x0, y1 - y0, Len(radius));
        cairo_fill(m_cr);
    }

    void StrokeBox(double u, double v, double w, double h, double radius = 0) const
    {
        const double x0 = X(u);
        const double y0 = Y(v);
        RoundRectPath(m_cr, x0, y0, X(u + w) - x0, Y(v + h) - y0, Len(radius));
        cairo_stroke(m_cr);
    }

    void Circle(double cu, double cv, double r) const
    {
        cairo_new_sub_path(m_cr);
        cairo_arc(m_cr, FreeX(cu), FreeY(cv), Len(r), 0, 2 * M_PI);
        cairo_stroke(m_cr);
    }

    void Disc(double cu, double cv, double r) const
    {
        cairo_new_sub_path(m_cr);
        cairo_arc(m_cr, FreeX(cu), FreeY(cv), Len(r), 0, 2 * M_PI);
        cairo_fill(m_cr);
    }

    void Ellipse(double cu, double cv, double ru, double rv, bool fill) const
    {
        cairo_save(m_cr);
        cairo_translate(m_cr, FreeX(cu), FreeY(cv));
        cairo_scale(m_cr, Len(ru), Len(rv));
        cairo_new_sub_path(m_cr);
        cairo_arc(m_cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(m_cr);
        if (fill)
            cairo_fill(m_cr);
        else
            cairo_stroke(m_cr);
    }

    // Angles in degrees, clockwise from the positive x axis.
    void Arc(double cu, double cv, double r, double fromDeg, double toDeg) const
    {
        cairo_new_sub_path(m_cr);
        cairo_arc(m_cr, FreeX(cu), FreeY(cv), Len(r), fromDeg * M_PI / 180, toDeg * M_PI / 180);
        cairo_stroke(m_cr);
    }

    cairo_t* Cr() const { return m_cr; }
    double LineWidth() const { return m_lineWidth; }
    Rgba Colour() const { return m_colour; }

private:
    cairo_t* m_cr;
    double m_x;
    double m_y;
    double m_scale;
    double m_lineWidth;
    Rgba m_colour;
    double m_offset = 0;
};

void Speaker(const Pen& p)
{
    p.FillPolygon({{2, 7.5}, {5.5, 7.5}, {10, 3.5}, {10, 16.5}, {5.5, 12.5}, {2, 12.5}});
}

void Star(const Pen& p)
{
    cairo_t* cr = p.Cr();
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? 8.5 : 3.7;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double x = p.FreeX(10 + r * std::cos(a));
        const double y = p.FreeY(10.8 + r * std::sin(a));
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    cairo_stroke(cr);
}

void GearShape(const Pen& p)
{
    cairo_t* cr = p.Cr();
    const int teeth = 8;
    for (int i = 0; i < teeth; ++i) {
        const double base = i * 2 * M_PI / teeth;
        const double half = M_PI / teeth;
        const double pts[4][2] = {{6.6, base - half * 0.95}, {9.3, base - half * 0.45},
                                  {9.3, base + half * 0.45}, {6.6, base + half * 0.95}};
        for (int k = 0; k < 4; ++k) {
            const double x = p.FreeX(10 + pts[k][0] * std::cos(pts[k][1]));
            const double y = p.FreeY(10 + pts[k][0] * std::sin(pts[k][1]));
            if (i == 0 && k == 0)
                cairo_move_to(cr, x, y);
            else
                cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, p.FreeX(10), p.FreeY(10), p.Len(3.0), 2 * M_PI, 0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void RefreshArrow(const Pen& p, double cu, double cv, double r)
{
    const double from = 35;
    const double to = 305;
    p.Arc(cu, cv, r, from, to);
    const double a = to * M_PI / 180;
    const double ex = cu + r * std::cos(a);
    const double ey = cv + r * std::sin(a);
    const double tx = -std::sin(a);
    const double ty = std::cos(a);
    const double nx = std::cos(a);
    const double ny = std::sin(a);
    p.FillPolygon({{ex + tx * 3.2, ey + ty * 3.2},
                   {ex - tx * 1.0 + nx * 3.2, ey - ty * 1.0 + ny * 3.2},
                   {ex - tx * 1.0 - nx * 3.2, ey - ty * 1.0 - ny * 3.2}});
}

void DrawMediaGlyph(const Pen& p, Glyph glyph)
{
    switch (glyph) {
    case Glyph::PlayPause:
        p.FillPolygon({{2, 4}, {2, 16}, {9.5, 10}});
        p.FillBox(11, 4, 3, 12);
        p.FillBox(15, 4, 3, 12);
        break;
    case Glyph::Stop:
        p.FillBox(4, 4, 12, 12, 1.5);
        break;
    case Glyph::Previous:
        p.FillBox(3, 4, 2, 12);
        p.FillPolygon({{11, 4}, {11, 16}, {5, 10}});
        p.FillPolygon({{17, 4}, {17, 16}, {11, 10}});
        break;
    case Glyph::Next:
        p.FillBox(15, 4, 2, 12);
        p.FillPolygon({{9, 4}, {9, 16}, {15, 10}});
        p.FillPolygon({{3, 4}, {3, 16}, {9, 10}});
        break;
    case Glyph::VolumeDown:
        Speaker(p);
        p.Arc(10, 10, 4.5, -50, 50);
        break;
    case Glyph::VolumeUp:
        Speaker(p);
        p.Arc(10, 10, 4.5, -50, 50);
        p.Arc(10, 10, 8, -50, 50);
        break;
    case Glyph::Mute:
        Speaker(p);
        p.Line(13, 7.5, 18, 12.5);
        p.Line(18, 7.5, 13, 12.5);
        break;
    case Glyph::Mail:
        p.StrokeBox(2, 4, 16, 12, 1);
        p.Polyline({{3, 5}, {10, 11}, {17, 5}});
        break;
    case Glyph::Calculator:
        p.StrokeBox(4, 2, 12, 16, 1.5);
        p.FillBox(7, 5, 6, 2);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 2; ++col)
                p.FillBox(7 + col * 4, 9 + row * 3, 2, 2);
        break;
    case Glyph::Computer:
        p.StrokeBox(2, 3, 16, 11, 1);
        p.Line(10, 14, 10, 17);
        p.Line(6, 17, 14, 17);
        break;
    case Glyph::Home:
        p.Polyline({{2, 10}, {10, 3}, {18, 10}});
        p.Polyline({{5, 8}, {5, 17}, {15, 17}, {15, 8}});
        p.FillBox(8.5, 11.5, 3, 5.5);
        break;
    case Glyph::WebBack:
        p.Circle(10, 10, 8.5);
        p.Line(6, 10, 14, 10);
        p.Polyline({{9.5, 6.5}, {6, 10}, {9.5, 13.5}});
        break;
    case Glyph::WebForward:
        p.Circle(10, 10, 8.5);
        p.Line(6, 10, 14, 10);
        p.Polyline({{10.5, 6.5}, {14, 10}, {10.5, 13.5}});
        break;
    case Glyph::WebRefresh:
        RefreshArrow(p, 10, 10, 6.5);
        break;
    case Glyph::WebStop:
        p.Circle(10, 10, 8.5);
        p.Line(7, 7, 13, 13);
        p.Line(13, 7, 7, 13);
        break;
    case Glyph::WebSearch:
        p.Circle(8.5, 8.5, 5.5);
        p.Line(12.5, 12.5, 17, 17);
        break;
    case Glyph::Favourites:
        Star(p);
        break;
    case Glyph::MediaPlayer:
        p.Ellipse(5.3, 15, 2.6, 2.0, true);
        p.Ellipse(14.3, 13, 2.6, 2.0, true);
        p.FillPolygon({{6.9, 15}, {6.9, 5.2}, {17.0, 2.8}, {17.0, 13}, {15.9, 13}, {15.9, 6.0},
                       {8.0, 7.9}, {8.0, 15}});
        break;
    default:
        break;
    }
}

void DrawFrameGlyph(const Pen& p, Glyph glyph)
{
    switch (glyph) {
    case Glyph::Close:
        p.Line(5, 5, 15, 15);
        p.Line(15, 5, 5, 15);
        break;
    case Glyph::Minimise:
        p.Line(5, 10, 15, 10);
        break;
    case Glyph::Globe:
        p.Circle(10, 10, 7.5);
        p.Ellipse(10, 10, 3.3, 7.5, false);
        p.Line(2.5, 10, 17.5, 10);
        break;
    case Glyph::Plus:
        p.Line(10, 4, 10, 16);
        p.Line(4, 10, 16, 10);
        break;
    case Glyph::Trash:
        p.Line(4, 5, 16, 5);
        p.Polyline({{8, 5}, {8, 3}, {12, 3}, {12, 5}});
        p.Polyline({{5.5, 5}, {6.5, 17}, {13.5, 17}, {14.5, 5}});
        break;
    case Glyph::Pencil:
        p.Polyline({{4, 16}, {4, 13}, {13, 4}, {16, 7}, {7, 16}}, true);
        p.Line(11, 6, 14, 9);
        break;
    case Glyph::Import:
        p.Polyline({{3, 12}, {3, 17}, {17, 17}, {17, 12}});
        p.Line(10, 2, 10, 12);
        p.Polyline({{6, 8}, {10, 12}, {14, 8}});
        break;
    case Glyph::Export:
        p.Polyline({{3, 12}, {3, 17}, {17, 17}, {17, 12}});
        p.Line(10, 13, 10, 3);
        p.Polyline({{6, 7}, {10, 3}, {14, 7}});
        break;
    case Glyph::Clock:
        p.Circle(10, 10, 7.5);
        p.Polyline({{10, 5.5}, {10, 10}, {13.5, 12}});
        break;
    case Glyph::ArrowUp:
        p.Line(10, 16, 10, 4);
        p.Polyline({{5, 9}, {10, 4}, {15, 9}});
        break;
    case Glyph::ArrowDown:
        p.Line(10, 4, 10, 16);
        p.Polyline({{5, 11}, {10, 16}, {15, 11}});
        break;
    case Glyph::ArrowLeft:
        p.Line(16, 10, 4, 10);
        p.Polyline({{9, 5}, {4, 10}, {9, 15}});
        break;
    case Glyph::ArrowRight:
        p.Line(4, 10, 16, 10);
        p.Polyline({{11, 5}, {16, 10}, {11, 15}});
        break;
    case Glyph::Folder:
        p.Polyline({{2, 5}, {8, 5}, {10, 7}, {18, 7}, {18, 16}, {2, 16}}, true);
        p.Line(2, 9, 18, 9);
        break;
    case Glyph::ChevronDown:
        p.Polyline({{5, 8}, {10, 13}, {15, 8}});
        break;
    case Glyph::ChevronUp:
        p.Polyline({{5, 12}, {10, 7}, {15, 12}});
        break;
    default:
        break;
    }
}

void DrawPageGlyph(const Pen& p, Glyph glyph)
{
    switch (glyph) {
    case Glyph::Keyboard:
        p.StrokeBox(1, 4, 18, 12, 1.5);
        for (int col = 0; col < 4; ++col) {
            p.FillBox(4.5 + col * 3, 7, 2, 2);
            p.FillBox(4.5 + col * 3, 10, 2, 2);
        }
        p.FillBox(6, 13, 8, 1.5);
        break;
    case Glyph::KeyCap: {
        p.StrokeBox(2, 2, 16, 15, 3);
        p.Line(4, 19, 16, 19);
        TextStyle letter;
        letter.pixelSize = p.Len(10);
        letter.bold = true;
        letter.colour = p.Colour();
        DrawTextCentred(p.Cr(), "A", letter, p.FreeX(2), p.FreeY(2), p.Len(16), p.Len(15));
        break;
    }
    case Glyph::Macro:
        p.Line(2, 5, 11, 5);
        p.Line(2, 10, 9, 10);
        p.Line(2, 15, 11, 15);
        p.FillPolygon({{12.5, 5.5}, {12.5, 14.5}, {19, 10}});
        break;
    case Glyph::Light:
        p.Circle(10, 10, 3.6);
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            p.Line(10 + 6.3 * std::cos(a), 10 + 6.3 * std::sin(a), 10 + 8.6 * std::cos(a),
                   10 + 8.6 * std::sin(a));
        }
        break;
    case Glyph::Gear:
        GearShape(p);
        break;
    case Glyph::Usb:
        p.Line(10, 4.5, 10, 16);
        p.FillPolygon({{10, 1.5}, {7.5, 5}, {12.5, 5}});
        p.Polyline({{10, 13}, {5.5, 10}, {5.5, 8}});
        p.Disc(5.5, 7, 1.6);
        p.Polyline({{10, 11}, {14.5, 8.5}, {14.5, 6.5}});
        p.FillBox(13.2, 4.2, 2.6, 2.6);
        p.Disc(10, 17, 2.1);
        break;
    case Glyph::Bluetooth:
        p.Polyline({{5.5, 6}, {14, 14}, {10, 18}, {10, 2}, {14, 6}, {5.5, 14}});
        break;
    case Glyph::Wireless:
        p.Disc(10, 15.5, 1.8);
        p.Arc(10, 15.5, 5, 225, 315);
        p.Arc(10, 15.5, 9.5, 225, 315);
        break;
    case Glyph::Lightning:
        p.FillPolygon({{12, 1}, {4, 11.5}, {9, 11.5}, {7.5, 19}, {16, 8}, {11, 8}, {13, 1}});
        break;
    default:
        break;
    }
}

} // namespace

void DrawGlyph(cairo_t* cr, Glyph glyph, double x, double y, double size, Rgba colour, double lineWidth)
{
    cairo_save(cr);
    const Pen pen(cr, x, y, size, colour, lineWidth);
    if (glyph >= Glyph::PlayPause && glyph <= Glyph::MediaPlayer)
        DrawMediaGlyph(pen, glyph);
    else if (glyph >= Glyph::Keyboard)
        DrawPageGlyph(pen, glyph);
    else
        DrawFrameGlyph(pen, glyph);
    cairo_restore(cr);
}

} // namespace clavora::assets
