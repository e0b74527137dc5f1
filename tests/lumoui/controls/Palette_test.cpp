#include "ListTest.h"

#include "lumoui/CColorButton.h"
#include "lumoui/CColorPalette.h"
#include "lumoui/CColorSelect.h"
#include "lumoui/CirclePalette.h"
#include "lumoui/ColorHsl.h"
#include "lumoui/MEdit.h"
#include "lumoui/MPalette.h"
#include "lumoui/MSpinButton.h"

using namespace lumo;

namespace {

class PaletteTest : public lumotest::ListTest {
protected:
    template <class T> T* Make(const char* cls, UINT id, CRect rect)
    {
        auto* control = dynamic_cast<T*>(m_dlg->CreateControl(cls, id, rect, "", 1, 1));
        EXPECT_NE(control, nullptr);
        return control;
    }
};

// HSL -------------------------------------------------------------------------------------------

TEST(ColorHslTest, ConvertsBothWays)
{
    struct Case {
        double h, s, l;
        COLORREF rgb;
    };
    const Case cases[] = {
        { 0, 1, 0.5, 0x0000FF },
        { 1.0 / 3, 1, 0.5, 0x00FF00 },
        { 2.0 / 3, 1, 0.5, 0xFF0000 },
        { 0, 0, 1, 0xFFFFFF },
        { 0, 0, 0, 0x000000 },
        { 0.5, 0, 0.5, 0x7F7F7F }, // channels are truncated, not rounded
        { 0, 1, 0.75, 0x7F7FFF },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HslToRgb(c.h, c.s, c.l), c.rgb) << std::hex << c.rgb;
    }
    Hsl red = RgbToHsl(0x0000FF);
    EXPECT_DOUBLE_EQ(red.h, 0);
    EXPECT_DOUBLE_EQ(red.s, 1);
    EXPECT_DOUBLE_EQ(red.l, 0.5);
    Hsl grey = RgbToHsl(0x808080);
    EXPECT_DOUBLE_EQ(grey.s, 0);
    EXPECT_NEAR(RgbToHsl(0xFF0000).h, 2.0 / 3, 1e-12);
}

// CirclePalette ------------------------------------------------------------------------------------

class CirclePaletteTest : public PaletteTest {
protected:
    // A 140 x 140 wheel picture whose pixel (x, y) is RGB(x, y, 77).
    CirclePalette* MakeWheel(CRect rect = CRect(0, 0, 140, 140))
    {
        WriteSkinPng("wheel.png", 140, 140, [](int x, int y) { return 0xFF00004Du | (x << 16) | (y << 8); });
        auto* wheel = Make<CirclePalette>("CirclePalette", 116, rect);
        EXPECT_TRUE(wheel->SetImage("wheel.png", 1));
        return wheel;
    }
};

TEST_F(CirclePaletteTest, PressFarFromTheCentreChangesNothingButTheReleaseStillClicks)
{
    CirclePalette* wheel = MakeWheel();
    EXPECT_EQ(wheel->GetDistanse(CPoint(120, 120)), 70);
    Click(120, 120);
    EXPECT_EQ(wheel->GetSelectColor(), CirclePalette::kDefaultColor);
    EXPECT_EQ(Notes(116),
        (std::vector<Note> { { NOTIFY_CLICK, 0, static_cast<LPARAM>(CirclePalette::kDefaultColor) } }));
}

TEST_F(CirclePaletteTest, PickingTakesThePicturesColourUnderThePoint)
{
    CirclePalette* wheel = MakeWheel();
    EXPECT_EQ(wheel->GetDistanse(CPoint(70, 5)), 65);
    Click(70, 5); // 65 pixels out: still counts
    const COLORREF picked = RGB(70, 5, 77);
    EXPECT_EQ(wheel->GetSelectColor(), picked);
    EXPECT_EQ(wheel->GetThumbRect(), CRect(65, 0, 75, 10));
    EXPECT_EQ(Notes(116),
        (std::vector<Note> { { NOTIFY_COLOR, 0, static_cast<LPARAM>(picked) },
            { NOTIFY_CLICK, 0, static_cast<LPARAM>(picked) } }));
    ClearNotes();
    Click(70, 5);
    EXPECT_EQ(Codes(116), (std::vector<UINT> { NOTIFY_CLICK })) << "the same point picks nothing new";
}

TEST_F(CirclePaletteTest, DragIgnoresMovesOfFivePixelsOrLess)
{
    CirclePalette* wheel = MakeWheel(CRect(10, 10, 290, 290)); // the picture at twice its size
    Press(150, 150);
    EXPECT_EQ(wheel->GetDragState(), CirclePalette::kDragging);
    EXPECT_EQ(wheel->GetSelectColor(), RGB(70, 70, 77));
    ClearNotes();
    Move(155, 145);
    EXPECT_TRUE(Notes(116).empty());
    Move(156, 150);
    EXPECT_EQ(wheel->GetSelectColor(), RGB(73, 70, 77));
    Move(150, 250); // 100 pixels out: does not count
    Release(150, 250);
    EXPECT_EQ(Codes(116), (std::vector<UINT> { NOTIFY_COLOR, NOTIFY_CLICK }));
    EXPECT_EQ(wheel->GetDragState(), CirclePalette::kIdle);
}

// MPalette -----------------------------------------------------------------------------------------

class MPaletteTest : public PaletteTest {
protected:
    // Field 360 pixels wide (one pixel a degree) and 180 high (one pixel a lightness step).
    MPalette* MakePalette()
    {
        auto* palette = Make<MPalette>("MPalette", 620, CRect(10, 10, 408, 200));
        palette->SetPalletHeight(180);
        return palette;
    }
};

TEST_F(MPaletteTest, SetSelectColorConvertsToTheIndexes)
{
    MPalette* palette = MakePalette();
    struct Case {
        COLORREF color;
        int h, s, l;
    };
    const Case cases[] = {
        { 0x0000FF, 0, 200, 100 },
        { 0x00FF00, 120, 200, 100 },
        { 0xFFFFFF, 0, 0, 200 },
        { 0x808080, 0, 0, 100 },
    };
    for (const Case& c : cases) {
        palette->SetSelectColor(c.color);
        EXPECT_EQ(palette->GetHue(), c.h);
        EXPECT_EQ(palette->GetSaturation(), c.s);
        EXPECT_EQ(palette->GetLightness(), c.l);
    }
    palette->SetSelectColor(0x0000FF);
    EXPECT_EQ(palette->GetSelectColor(), 0x0000FFu);
    EXPECT_EQ(palette->GetMarkerPoint(), CPoint(10, 10 + 80));
    EXPECT_EQ(palette->GetThumbRow(), 10 + 180);
    palette->SetSelectColor(0x000000);
    EXPECT_EQ(palette->GetMarkerPoint().y, 10) << "a lightness below the field keeps the marker at its top";
    EXPECT_TRUE(Notes(620).empty());
}

TEST_F(MPaletteTest, FieldEdgesGiveTheLightnessLimits)
{
    MPalette* palette = MakePalette();
    Click(10 + 90, 10);
    EXPECT_EQ(palette->GetLightness(), 20) << "top edge: lightness 0.1";
    EXPECT_EQ(palette->GetHue(), 90);
    Click(10 + 90, 10 + 180);
    EXPECT_EQ(palette->GetLightness(), 200) << "bottom edge: lightness 1.0";
    EXPECT_EQ(palette->GetSelectColor(), 0xFFFFFFu);
    EXPECT_EQ(palette->GetMarkerPoint(), CPoint(100, 190));
    auto notes = Notes(620);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[1], (Note { NOTIFY_COLOR, 0xFFFFFF, 0 }));
    ClearNotes();
    Click(10 + 90, 10 + 180);
    EXPECT_TRUE(Notes(620).empty()) << "a press that keeps the colour sends nothing";
}

TEST_F(MPaletteTest, BarSetsSaturationAndDraggingItReportsWithoutAColour)
{
    MPalette* palette = MakePalette();
    palette->SetSelectColor(0x0000FF);
    CRect bar = palette->GetBarRect();
    EXPECT_EQ(bar, CRect(408 - 32, 10, 408, 190));
    Press(bar.left + 4, 10 + 90);
    EXPECT_EQ(palette->GetSaturation(), 100);
    Move(bar.left + 4, 10 + 45);
    Move(bar.left + 4, 500); // dragged below: clamped
    Release(bar.left + 4, 500);
    EXPECT_EQ(palette->GetSaturation(), 200);
    EXPECT_EQ(palette->GetSelectColor(), 0x0000FFu);
    auto notes = Notes(620);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0], (Note { NOTIFY_COLOR, HslToRgb(0, 0.5, 0.5), 0 }));
    EXPECT_EQ(notes[1], (Note { NOTIFY_COLOR, 0, 0 }));
    EXPECT_EQ(notes[2], (Note { NOTIFY_COLOR, 0, 0 }));
}

TEST_F(MPaletteTest, DrawsTheFieldTheBarAndTheMarker)
{
    MPalette* palette = MakePalette();
    palette->SetSelectColor(0x0000FF);
    Flush();
    // Hue 240 (blue) near the bottom of the field is a light blue; the top is dark.
    ARGB light = Pixel(10 + 240, 10 + 170);
    ARGB dark = Pixel(10 + 240, 10 + 2);
    EXPECT_GT(light & 0xFF, 0xE0u);
    EXPECT_LT(dark & 0xFF, 0x60u);
    EXPECT_LT((dark >> 16) & 0xFF, 0x10u);
    // The bar at full saturation is the colour itself; its top is grey.
    ARGB bottom = Pixel(palette->GetBarRect().left + 8, 10 + 178);
    EXPECT_GT((bottom >> 16) & 0xFF, 0xF0u);
    EXPECT_LT(bottom & 0xFF, 0x10u);
    ARGB top = Pixel(palette->GetBarRect().left + 8, 10 + 1);
    EXPECT_NEAR(static_cast<int>((top >> 16) & 0xFF), static_cast<int>(top & 0xFF), 4);
    // The marker ring is white on the red of hue 0.
    EXPECT_GT((Pixel(10 + 3, 10 + 80) >> 8) & 0xFF, 0xC0u);
    EXPECT_LT((Pixel(10 + 8, 10 + 80) >> 8) & 0xFF, 0x40u) << "the field shows beside the ring";
}

// CColorPalette -------------------------------------------------------------------------------------

class CColorPaletteTest : public PaletteTest {
protected:
    static constexpr UINT kId = 600;
    CColorPalette* MakePalette()
    {
        return Make<CColorPalette>("CColorPalette", kId, CRect(20, 20, 340, 205));
    }
    std::vector<Note> ColorNotes() const
    {
        std::vector<Note> out;
        for (const Note& n : Notes(kId)) {
            if (n.code == NOTIFY_COLOR) {
                out.push_back(n);
            }
        }
        return out;
    }
    static std::vector<int> Spins(CColorPalette* p)
    {
        return { p->GetSpin(0)->GetCurValue(), p->GetSpin(1)->GetCurValue(), p->GetSpin(2)->GetCurValue() };
    }
};

TEST_F(CColorPaletteTest, ChildrenStartInStepWithThePalette)
{
    CColorPalette* p = MakePalette();
    COLORREF start = p->GetPalette()->GetSelectColor();
    EXPECT_EQ(p->GetSelectColor(), start);
    EXPECT_EQ(p->GetHexEdit()->GetTitle(), CColorPalette::HexText(start));
    EXPECT_EQ(Spins(p), (std::vector<int> { GetRValue(start), GetGValue(start), GetBValue(start) }));
    for (UINT id = 620; id <= 657; ++id) {
        bool used = id == 620 || id == 622 || (id >= 631 && id <= 638) || (id >= 650 && id <= 657);
        EXPECT_EQ(p->GetControl(id) != nullptr, used) << id;
    }
    EXPECT_EQ(p->GetControl(631)->GetRect(), CRect(20, 25, 40, 45));
    EXPECT_EQ(p->GetControl(638)->GetRect(), CRect(20 + 7 * 25, 25, 40 + 7 * 25, 45));
    EXPECT_EQ(p->GetControl(620)->GetRect(), CRect(20, 47, 253, 201));
    EXPECT_EQ(p->GetControl(622)->GetRect().left, 255);
    EXPECT_EQ(p->GetControl(622)->GetRect().Width(), 50);
}

TEST_F(CColorPaletteTest, HexTextHasSixUpperCaseDigitsWithLeadingZeros)
{
    EXPECT_EQ(CColorPalette::HexText(RGB(10, 200, 5)), "0AC805");
    EXPECT_EQ(CColorPalette::HexText(0), "000000");
    COLORREF c = 0;
    EXPECT_TRUE(CColorPalette::ParseHex("0ac805", c));
    EXPECT_EQ(c, RGB(10, 200, 5));
    for (const char* bad : { "", "0AC80", "0AC8050", "0AG805", " AC805", "0x1234" }) {
        EXPECT_FALSE(CColorPalette::ParseHex(bad, c)) << bad;
    }
    CColorPalette* p = MakePalette();
    p->SetSelectColor(RGB(10, 200, 5));
    EXPECT_EQ(p->GetHexEdit()->GetTitle(), "0AC805");
    EXPECT_TRUE(ColorNotes().empty()) << "programmatic changes notify nothing";
}

TEST_F(CColorPaletteTest, FiveHexDigitsChangeNothingTheSixthAppliesTheColour)
{
    CColorPalette* p = MakePalette();
    COLORREF before = p->GetSelectColor();
    CRect edit = p->GetHexEdit()->GetRect();
    Click(edit.left + 10, edit.top + 10); // opens the editor with all selected
    ASSERT_TRUE(p->GetHexEdit()->IsEditing());
    Type("12ab5");
    EXPECT_EQ(p->GetSelectColor(), before);
    EXPECT_TRUE(ColorNotes().empty());
    Type("6");
    const COLORREF typed = RGB(0x12, 0xAB, 0x56);
    EXPECT_EQ(p->GetSelectColor(), typed);
    EXPECT_EQ(Spins(p), (std::vector<int> { 0x12, 0xAB, 0x56 }));
    EXPECT_EQ(static_cast<CColorButton*>(p->GetControl(622))->GetColor(), typed);
    EXPECT_EQ(ColorNotes(), (std::vector<Note> { { NOTIFY_COLOR, 0, static_cast<LPARAM>(typed) } }));
    EXPECT_EQ(p->GetHexEdit()->GetEditText(), "12ab56") << "the typed text is left alone";
    EXPECT_EQ(Codes(657).back(), NOTIFY_TEXTCHANGED) << "the edit's own notes are passed on";
}

TEST_F(CColorPaletteTest, SpinsPresetsAndThePaletteMoveEachOther)
{
    CColorPalette* p = MakePalette();
    auto* red = p->GetSpin(0);
    p->SetSelectColor(RGB(10, 20, 30));
    CRect up = red->GetUpRect();
    Click(up.left + 2, up.top + 2);
    EXPECT_EQ(p->GetSelectColor(), RGB(11, 20, 30));
    EXPECT_EQ(p->GetHexEdit()->GetTitle(), "0B141E");
    EXPECT_EQ(Codes(654), (std::vector<UINT> { NOTIFY_SPIN }));

    ClearNotes();
    CRect preset = p->GetControl(636)->GetRect();
    Click(preset.left + 5, preset.top + 5);
    EXPECT_EQ(p->GetSelectColor(), 0xFC1517u);
    EXPECT_EQ(p->GetHexEdit()->GetTitle(), "1715FC");
    EXPECT_EQ(Spins(p), (std::vector<int> { 0x17, 0x15, 0xFC }));
    EXPECT_EQ(ColorNotes(), (std::vector<Note> { { NOTIFY_COLOR, 0, 0xFC1517 } }));

    ClearNotes();
    CRect field = p->GetPalette()->GetFieldRect();
    Click(field.left + 1, field.top + field.Height() / 2);
    COLORREF fromPalette = p->GetPalette()->GetSelectColor();
    EXPECT_EQ(p->GetSelectColor(), fromPalette);
    EXPECT_EQ(Spins(p),
        (std::vector<int> { GetRValue(fromPalette), GetGValue(fromPalette), GetBValue(fromPalette) }));
    EXPECT_EQ(ColorNotes(), (std::vector<Note> { { NOTIFY_COLOR, 0, static_cast<LPARAM>(fromPalette) } }));
}

// CColorSelect ----------------------------------------------------------------------------------------

TEST_F(PaletteTest, ColorSelectReportsThePressedSwatch)
{
    auto* select = Make<CColorSelect>("CColorSelect", 700, CRect(400, 20, 430, 210));
    EXPECT_EQ(select->GetControl(637)->GetRect(), CRect(400, 25 + 6 * 25, 420, 45 + 6 * 25));
    EXPECT_TRUE(select->GetSwatch(6)->IsShowBorder());
    CRect blue = select->GetControl(633)->GetRect();
    Click(blue.left + 5, blue.top + 5);
    EXPECT_EQ(select->GetColorIndex(), 2);
    auto notes = Notes(700);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0], (Note { NOTIFY_COLOR, 2, 0xFF0000 }));

    select->SetColorIndex(6);
    EXPECT_EQ(select->GetColorIndex(), 6);
    select->SetColorIndex(7);
    EXPECT_EQ(select->GetColorIndex(), -1);
    select->SetSelectColor(0x123456);
    EXPECT_EQ(select->GetSelectColor(), 0u);
}

} // namespace
