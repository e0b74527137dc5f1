#include "WidgetTest.h"

#include "lumoui/MScroll.h"

#include <filesystem>

using namespace lumo;
using lumotest::RecordingOwner;

namespace {

class MScrollTest : public lumotest::WidgetTest { };

TEST_F(MScrollTest, ThumbLengthFollowsPageButStaysGrabbable)
{
    // Thickness 10, so each end keeps a 10-pixel margin: the track is the length minus 20.
    struct Case {
        int length;
        int range;
        int page;
        int thumb;
        const char* why;
    } cases[] = {
        { 400, 1000, 0, 152, "page = bar length 400: 400 / 1000 of the 380-pixel track" },
        { 400, 10000, 0, 100, "bar shorter than a tenth of the range: page 1000, thumb 38 raised to 100" },
        { 400, 1000, 900, 342, "an explicit page" },
        { 150, 1000, 0, 80, "track of 130 (< 150): a short thumb becomes track - 50" },
        { 60, 1000, 0, 5, "track of 40: track - 50 would be negative, half the thickness is kept" },
    };
    RecordingOwner owner;
    for (const auto& k : cases) {
        CScrollVertical bar(&owner, 1, CRect(0, 0, 10, k.length), 1);
        bar.SetScrollInfo(k.range, k.page);
        EXPECT_TRUE(bar.IsUsable()) << k.why;
        EXPECT_EQ(bar.GetTrackLength(), k.length - 20) << k.why;
        EXPECT_EQ(bar.GetThumbLength(), k.thumb) << k.why;
        CRect thumb = bar.GetThumbRect();
        EXPECT_EQ(thumb, CRect(0, 10, 10, 10 + k.thumb)) << k.why;
    }
}

TEST_F(MScrollTest, UsableOnlyWhileThePageIsShorterThanTheRange)
{
    RecordingOwner owner;
    CScrollVertical bar(&owner, 1, CRect(0, 0, 10, 400), 1);
    bar.SetRange(400);
    EXPECT_FALSE(bar.IsUsable());
    EXPECT_TRUE(bar.GetThumbRect().IsRectEmpty());
    EXPECT_FALSE(bar.OnLButtonDown(MK_LBUTTON, CPoint(5, 200)));
    EXPECT_EQ(owner.Count(NOTIFY_POSITION), 0);
    bar.SetRange(401);
    EXPECT_TRUE(bar.IsUsable());
}

TEST_F(MScrollTest, DraggingTheThumbMapsItsPlaceToThePositionAndNotifiesEveryChange)
{
    RecordingOwner owner;
    CScrollVertical bar(&owner, 1, CRect(0, 100, 10, 500), 1);
    bar.SetRange(1000); // thumb 152 of a 380 track: 228 pixels of travel
    ASSERT_EQ(bar.GetThumbRect(), CRect(0, 110, 10, 262));

    bar.OnLButtonDown(MK_LBUTTON, CPoint(5, 120));
    EXPECT_TRUE(bar.IsDragging());
    bar.OnMouseMove(MK_LBUTTON, CPoint(5, 234)); // + 114 pixels = half the travel
    EXPECT_EQ(bar.GetScrollCurrentPos(), 500);
    EXPECT_EQ(bar.GetThumbRect().top, 224);
    ASSERT_EQ(owner.notes.size(), 1u);
    EXPECT_EQ(owner.notes[0].id, 1u);
    EXPECT_EQ(owner.notes[0].code, NOTIFY_POSITION);
    EXPECT_EQ(owner.notes[0].wParam, 500u);

    bar.OnMouseMove(MK_LBUTTON, CPoint(40, 900)); // far outside: clamped to the end of the track
    EXPECT_EQ(bar.GetScrollCurrentPos(), 1000);
    EXPECT_EQ(bar.GetThumbRect().bottom, 490);
    bar.OnMouseMove(MK_LBUTTON, CPoint(40, 950)); // no change, no notification
    EXPECT_EQ(owner.Count(NOTIFY_POSITION), 2);
    bar.OnMouseMove(MK_LBUTTON, CPoint(5, -300));
    EXPECT_EQ(bar.GetScrollCurrentPos(), 0);
    bar.OnLButtonUp(0, CPoint(5, -300));
    EXPECT_FALSE(bar.IsDragging());
    bar.OnMouseMove(0, CPoint(5, 400));
    EXPECT_EQ(bar.GetScrollCurrentPos(), 0) << "moves after the release do not drag";
}

TEST_F(MScrollTest, PressOnTheTrackMovesOnePageTowardsThePress)
{
    RecordingOwner owner;
    CScrollHorizontal bar(&owner, 2, CRect(0, 0, 400, 10), 1);
    bar.SetRange(1000); // page 400: 152 pixels of the track
    bar.OnLButtonDown(MK_LBUTTON, CPoint(390, 5));
    bar.OnLButtonUp(0, CPoint(390, 5));
    EXPECT_EQ(bar.GetThumbRect().left, 10 + 152);
    EXPECT_EQ(bar.GetScrollCurrentPos(), 152 * 1000 / 228);
    bar.OnLButtonDown(MK_LBUTTON, CPoint(390, 5));
    EXPECT_EQ(bar.GetScrollCurrentPos(), 1000) << "clamped at the end";
    bar.OnLButtonDown(MK_LBUTTON, CPoint(12, 5));
    EXPECT_EQ(bar.GetThumbRect().left, 10 + 228 - 152);
    EXPECT_EQ(owner.Count(NOTIFY_POSITION), 3);
}

TEST_F(MScrollTest, ProgrammaticMovesClampAndStaySilent)
{
    RecordingOwner owner;
    CScrollVertical bar(&owner, 1, CRect(0, 0, 10, 400), 1);
    bar.SetRange(1000);
    EXPECT_TRUE(bar.SetScrollCurrentPos(500));
    EXPECT_EQ(bar.GetThumbRect().top, 10 + 114);
    EXPECT_FALSE(bar.SetScrollCurrentPos(500));
    bar.SetScrollCurrentPos(5000);
    EXPECT_EQ(bar.GetScrollCurrentPos(), 1000);
    bar.SetScrollCurrentPos(-3);
    EXPECT_EQ(bar.GetScrollCurrentPos(), 0);

    bar.SetScrollStep(30);
    EXPECT_TRUE(bar.ScrollRow(true));
    EXPECT_EQ(bar.GetScrollCurrentPos(), 30);
    EXPECT_FALSE(bar.ScrollRow(false) && bar.ScrollRow(false)) << "the second step up is clamped at 0";
    EXPECT_EQ(bar.GetScrollCurrentPos(), 0);
    bar.SetScrollCurrentPos(900);
    bar.SetRange(600);
    EXPECT_EQ(bar.GetScrollCurrentPos(), 600) << "a shorter range pulls the position in";
    EXPECT_EQ(owner.Count(NOTIFY_POSITION), 0);
}

TEST_F(MScrollTest, UsesTheToolkitStripAndFallsBackToTheSkinPicture)
{
    Open();
    WriteSkinPng("img_scroll_v.png", 8, 48, [](int, int) { return 0xFF808080u; });
    auto* bar = Attach(new CScrollVertical(m_dlg.get(), 900, CRect(0, 0, 8, 200), 1));
    EXPECT_EQ(bar->GetImagePath(), "img_scroll_v.png") << "no resource file: the skin picture";
    EXPECT_EQ(bar->GetImageCount(), 1);

    WriteSkinPng("res/101.png", 4 * 48, 8, [](int x, int) { return x < 48 ? 0xFFFF0000u : 0xFF00FF00u; });
    auto* h = Attach(new CScrollHorizontal(m_dlg.get(), 901, CRect(0, 290, 400, 298), 1));
    EXPECT_EQ(h->GetImageCount(), 4);
    EXPECT_EQ(h->GetImageSize(), CSize(48, 8));
    h->SetRange(4000);
    EXPECT_EQ(Pixel(h->GetThumbRect().left + 40, 294), 0xFFFF0000u) << "slice 0 for the resting thumb";
}

} // namespace
