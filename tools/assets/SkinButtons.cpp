#include "Glyphs.h"
#include "Paint.h"
#include "SkinPainters.h"

#include <cmath>
#include <string>

namespace clavora::assets {
namespace {

constexpr int kButtonStates = 4;
constexpr int kCheckStates = 8;

struct GlyphButton {
    const char* file;
    Glyph glyph;
    double lineWidth;
};

// A square button whose picture is a glyph; frameless buttons show their plate only on hover.
Canvas GlyphButtonStrip(int size, int glyphSize, const GlyphButton& button, bool frameless, bool closeButton)
{
    return MakeStrip(size, size, kButtonStates, [&](cairo_t* cr, int state) {
        PlateStyle plate = frameless ? GhostPlate(state) : ControlPlate(state);
        if (closeButton && state == theme::kHover)
            plate = {theme::kOutline.WithAlpha(0.85), Rgb(0xD95F00, 0.85), theme::kOutlineHigh, Rgb(0xFFFFFF, 0.1)};
        PaintPlate(cr, 0, 0, size, size, 4, plate);
        const double offset = (size - glyphSize) / 2.0;
        DrawGlyph(cr, button.glyph, offset, offset, glyphSize, GlyphColour(state), button.lineWidth);
    });
}

void PaintGlyphButtons(AssetWriter& out)
{
    const GlyphButton frame[] = {{"main_sysbtn_close.png", Glyph::Close, 2},
                                 {"main_sysbtn_min.png", Glyph::Minimise, 2},
                                 {"main_sysbtn_website.png", Glyph::Globe, 1.5}};
    for (const auto& b : frame)
        out.Png(b.file, GlyphButtonStrip(30, 20, b, true, b.glyph == Glyph::Close));

    const GlyphButton toolbar[] = {{"imgbtn_add.png", Glyph::Plus, 2},
                                   {"imgbtn_del.png", Glyph::Trash, 1.5},
                                   {"imgbtn_edit.png", Glyph::Pencil, 1.5},
                                   {"imgbtn_import.png", Glyph::Import, 1.5},
                                   {"imgbtn_export.png", Glyph::Export, 1.5}};
    for (const auto& b : toolbar)
        out.Png(b.file, GlyphButtonStrip(30, 20, b, true, false));

    const GlyphButton framed[] = {{"btn_record_time.png", Glyph::Clock, 1.5},
                                  {"btn_record_up.png", Glyph::ArrowUp, 2},
                                  {"btn_record_down.png", Glyph::ArrowDown, 2},
                                  {"btn_record_del.png", Glyph::Trash, 1.5},
                                  {"btn_openfile.png", Glyph::Folder, 1.5}};
    for (const auto& b : framed)
        out.Png(b.file, GlyphButtonStrip(30, 20, b, false, false));

    out.Png("img_sys_close.png", GlyphButtonStrip(24, 16, {"", Glyph::Close, 1.5}, true, true));
}

void PaintCheckMark(cairo_t* cr, Rgba colour)
{
    SetSource(cr, colour);
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, 5.5, 10.5);
    cairo_line_to(cr, 8.5, 13.5);
    cairo_line_to(cr, 14.5, 6.5);
    cairo_stroke(cr);
}

Rgba MarkColour(int state)
{
    return state == theme::kDisabledState ? Rgb(0x5A636C) : Rgb(0xFFFFFF);
}

// Check and radio boxes: four unchecked states, then the same four checked.
void PaintCheckBoxes(AssetWriter& out)
{
    out.Png("btn_checkbox.png", MakeStrip(20, 20, kCheckStates, [](cairo_t* cr, int slice) {
        const int state = slice % kButtonStates;
        const bool checked = slice >= kButtonStates;
        PaintPlate(cr, 2, 2, 16, 16, 3, checked ? ActionPlate(state) : ControlPlate(state));
        if (checked)
            PaintCheckMark(cr, MarkColour(state));
    }));

    out.Png("btn_radiobox.png", MakeStrip(20, 20, kCheckStates, [](cairo_t* cr, int slice) {
        const int state = slice % kButtonStates;
        const bool checked = slice >= kButtonStates;
        const PlateStyle plate = checked ? ActionPlate(state) : ControlPlate(state);
        // A round plate: the same fill and outline as the square one, on a circle.
        cairo_pattern_t* fill = cairo_pattern_create_linear(0, 2, 0, 18);
        cairo_pattern_add_color_stop_rgba(fill, 0, plate.top.r, plate.top.g, plate.top.b, plate.top.a);
        cairo_pattern_add_color_stop_rgba(fill, 1, plate.bottom.r, plate.bottom.g, plate.bottom.b, plate.bottom.a);
        cairo_arc(cr, 10, 10, 8, 0, 2 * M_PI);
        cairo_set_source(cr, fill);
        cairo_fill(cr);
        cairo_pattern_destroy(fill);
        cairo_arc(cr, 10, 10, 7.5, 0, 2 * M_PI);
        SetSource(cr, plate.border);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        if (checked) {
            cairo_arc(cr, 10, 10, 3.5, 0, 2 * M_PI);
            SetSource(cr, MarkColour(state));
            cairo_fill(cr);
        }
    }));
}

// Direction choices: radio buttons drawn as arrow keys; the chosen one lights up orange.
void PaintDirectionButtons(AssetWriter& out)
{
    const GlyphButton arrows[] = {{"btn_direction_left.png", Glyph::ArrowLeft, 2},
                                  {"btn_direction_right.png", Glyph::ArrowRight, 2},
                                  {"btn_direction_top.png", Glyph::ArrowUp, 2},
                                  {"btn_direction_bottom.png", Glyph::ArrowDown, 2}};
    for (const auto& arrow : arrows) {
        out.Png(arrow.file, MakeStrip(32, 32, kCheckStates, [&](cairo_t* cr, int slice) {
            const int state = slice % kButtonStates;
            const bool checked = slice >= kButtonStates;
            PlateStyle plate = ControlPlate(state);
            Rgba glyph = GlyphColour(state);
            if (checked) {
                static const Rgba kCheckedGlyph[] = {theme::kOutline, theme::kOutlineHigh, Rgb(0xFFFFFF),
                                                     theme::kOutline.WithAlpha(0.35)};
                plate.border = state == theme::kDisabledState ? theme::kOutline.WithAlpha(0.3) : theme::kOutline;
                glyph = kCheckedGlyph[state];
            }
            PaintPlate(cr, 1, 1, 30, 30, 4, plate);
            DrawGlyph(cr, arrow.glyph, 6, 6, 20, glyph, arrow.lineWidth);
        }));
    }
}

// The main action button: the blue of the key caps, outlined orange while pressed.
void PaintActionButton(AssetWriter& out)
{
    out.Png("btn_apply.png", MakeStrip(100, 30, kButtonStates, [](cairo_t* cr, int state) {
        PaintPlate(cr, 0, 0, 100, 30, 4, ActionPlate(state));
    }));
}

PlateStyle FieldPlate(int state)
{
    switch (state) {
    case theme::kHover:
        return {Rgb(0x0B131B), theme::kPanelLow, theme::kBorderHigh, Rgb(0, 0)};
    case theme::kPressed:
        return {Rgb(0x0B131B), theme::kPanelLow, theme::kKeyCap, Rgb(0, 0)};
    case theme::kDisabledState:
        return {theme::kDisabledFill, theme::kDisabledFill, theme::kDisabledBorder, Rgb(0, 0)};
    default:
        return {theme::kField, theme::kPanelLow, theme::kBorder, Rgb(0, 0)};
    }
}

// Combo box: a field with the drop-down arrow in the right 36 pixels, which stay unscaled.
void PaintComboBox(AssetWriter& out)
{
    const int w = 120;
    const int h = 30;
    out.Png("img_combobox.png", MakeStrip(w, h, kButtonStates, [&](cairo_t* cr, int state) {
        const PlateStyle plate = FieldPlate(state);
        PaintPlate(cr, 0, 0, w, h, 4, plate);
        VLine(cr, w - 30, 6, h - 6, plate.border.WithAlpha(0.7));
        DrawGlyph(cr, state == theme::kPressed ? Glyph::ChevronUp : Glyph::ChevronDown, w - 25, 5, 20,
                  GlyphColour(state), 2);
    }));
}

void PaintSpinArrows(AssetWriter& out)
{
    const struct {
        const char* file;
        Glyph glyph;
    } arrows[] = {{"img_spin_up.png", Glyph::ChevronUp}, {"img_spin_down.png", Glyph::ChevronDown}};
    for (const auto& arrow : arrows) {
        out.Png(arrow.file, MakeStrip(16, 12, kButtonStates, [&](cairo_t* cr, int state) {
            PaintPlate(cr, 0, 0, 16, 12, 2, ControlPlate(state));
            DrawGlyph(cr, arrow.glyph, 3, 1, 10, GlyphColour(state), 1.5);
        }));
    }
}

// On/off switches: a pill with the knob at the right (on, key cap blue) or at the left (off).
void PaintSwitches(AssetWriter& out)
{
    const int w = 44;
    const int h = 24;
    for (const bool on : {true, false}) {
        out.Png(on ? "btn_switch_on.png" : "btn_switch_off.png", MakeStrip(w, h, kButtonStates, [&](cairo_t* cr, int state) {
            PlateStyle plate = on ? ActionPlate(state) : ControlPlate(state);
            PaintPlate(cr, 0, 2, w, h - 4, (h - 4) / 2.0, plate);
            const double knobX = on ? w - h / 2.0 : h / 2.0;
            cairo_arc(cr, knobX, h / 2.0, h / 2.0 - 4, 0, 2 * M_PI);
            SetSource(cr, GlyphColour(state));
            cairo_fill(cr);
        }));
    }
}

// Key chooser items: 0 plain key cap, 1 hovered, 2 chosen.
void PaintKeyChooserCaps(AssetWriter& out)
{
    out.Png("img_customkey.png", MakeStrip(36, 28, 3, [](cairo_t* cr, int state) {
        static const PlateStyle kCaps[] = {
            {Rgb(0x1B2836), Rgb(0x111A24), Rgb(0x2E4152), Rgb(0xFFFFFF, 0.07)},
            {Rgb(0x1F3A52), Rgb(0x15283A), theme::kKeyCap, Rgb(0xFFFFFF, 0.10)},
            {theme::kKeyCap, theme::kKeyCapLow, theme::kOutline, Rgb(0xFFFFFF, 0.22)},
        };
        PaintPlate(cr, 0, 0, 36, 28, 3, kCaps[state]);
    }));
}

} // namespace

void PaintButtons(AssetWriter& out)
{
    PaintGlyphButtons(out);
    PaintCheckBoxes(out);
    PaintDirectionButtons(out);
    PaintActionButton(out);
    PaintComboBox(out);
    PaintSpinArrows(out);
    PaintSwitches(out);
    PaintKeyChooserCaps(out);
}

} // namespace clavora::assets
