#include "ControlTest.h"

#include "lumoui/CGifPicture.h"
#include "lumoui/CPhotoFrame.h"
#include "lumoui/CSliderPicture.h"
#include "lumoui/CTextArea.h"
#include "lumoui/Headless.h"
#include "lumoui/MButton.h"
#include "lumoui/MPicture.h"
#include "lumoui/MProgress.h"
#include "lumoui/MText.h"
#include "lumoui/PaintManager.h"

#include <chrono>
#include <filesystem>
#include <thread>

using namespace lumo;
using lumotest::kBlue;
using lumotest::kGreen;
using lumotest::kGrey;
using lumotest::kRed;
using lumotest::kYellow;

namespace {

constexpr ARGB kBack = 0; // stands for the window background in probe tables

class PictureTest : public lumotest::ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        // Quadrants: red top-left, green top-right, blue bottom-left, yellow bottom-right.
        WriteSkinPng("quad.png", 10, 10, [](int x, int y) -> uint32_t {
            return y < 5 ? (x < 5 ? kRed : kGreen) : (x < 5 ? kBlue : kYellow);
        });
        // A red border 3 pixels wide around a blue middle.
        WriteSkinPng("framed.png", 12, 12, [](int x, int y) -> uint32_t {
            bool border = x < 3 || y < 3 || x >= 9 || y >= 9;
            return border ? kRed : kBlue;
        });
    }
    // A 60 x 40 picture at (20, 20).
    MPicture* MakePicture(const char* file)
    {
        auto* p = Create<MPicture>("MPicture", 30, CRect(20, 20, 80, 60), nullptr, 1, 1);
        EXPECT_NE(p, nullptr);
        if (p) {
            EXPECT_TRUE(p->SetImage(file, 1));
        }
        Flush();
        return p;
    }
    ARGB Back() const { return ColorRefToARGB(0x130D09); }
    void Tick(UINT timer, int n)
    {
        for (int i = 0; i < n; ++i) {
            m_dlg->GetPaintManager().OnMTimer(timer);
        }
        Flush();
    }
};

TEST_F(PictureTest, ShowModesFitThePictureIntoTheControl)
{
    MPicture* p = MakePicture("quad.png");
    struct Probe {
        int x, y;
        ARGB colour;
    };
    // Mode 0: natural size at the left, vertically centred (the default alignment).
    for (const Probe& pr : { Probe { 21, 36, kRed }, { 28, 43, kYellow }, { 40, 40, kBack }, { 21, 22, kBack } }) {
        EXPECT_EQ(Pixel(pr.x, pr.y), pr.colour == kBack ? Back() : pr.colour) << "mode 0 at " << pr.x << "," << pr.y;
    }
    p->SetAlignment(DT_RIGHT, DT_BOTTOM);
    Flush();
    EXPECT_EQ(Pixel(79, 59), kYellow) << "mode 0, right and bottom";
    EXPECT_EQ(Pixel(69, 49), Back());

    p->SetShowMode(1);
    Flush();
    for (const Probe& pr : { Probe { 20, 20, kRed }, { 30, 20, kRed }, { 36, 36, kYellow }, { 75, 50, kGreen } }) {
        EXPECT_EQ(Pixel(pr.x, pr.y), pr.colour) << "tiled at " << pr.x << "," << pr.y;
    }

    p->SetShowMode(2);
    Flush();
    for (const Probe& pr : { Probe { 20, 20, kRed }, { 79, 20, kGreen }, { 20, 59, kBlue }, { 79, 59, kYellow } }) {
        EXPECT_EQ(Pixel(pr.x, pr.y), pr.colour) << "stretched at " << pr.x << "," << pr.y;
    }

    p->SetCustomRect(CRect(5, 5, 10, 10));
    p->SetShowMode(5);
    Flush();
    EXPECT_EQ(Pixel(20, 20), kYellow) << "the chosen part stretched over the control";
    EXPECT_EQ(Pixel(79, 59), kYellow);
}

TEST_F(PictureTest, NineGridModes)
{
    MPicture* p = MakePicture("framed.png");
    p->SetShowMode(3, 3);
    Flush();
    EXPECT_EQ(Pixel(22, 22), kRed) << "corner";
    EXPECT_EQ(Pixel(50, 22), kRed) << "top edge stretched";
    EXPECT_EQ(Pixel(50, 23), kBlue) << "the edge stays 3 pixels";
    EXPECT_EQ(Pixel(77, 40), kRed);
    EXPECT_EQ(Pixel(76, 40), kBlue);
    p->SetShowModeMID(3, 3, 3, 3);
    EXPECT_EQ(p->GetShowMode(), 4);
    Flush();
    EXPECT_EQ(Pixel(50, 22), kRed);
    EXPECT_EQ(Pixel(50, 40), kBlue);
}

TEST_F(PictureTest, SameShowModeChangesNothing)
{
    MPicture* p = MakePicture("framed.png");
    p->SetShowMode(3, 3);
    Flush();
    headless::ResetPresented(m_hwnd);
    p->SetShowMode(3, 3);
    Flush();
    EXPECT_EQ(headless::GetPresentCount(m_hwnd), 0);
    p->SetShowMode(3, 4);
    Flush();
    EXPECT_EQ(headless::GetPresentCount(m_hwnd), 1) << "mode 3 with another edge repaints";
    p->SetShowMode(2, 5);
    Flush();
    headless::ResetPresented(m_hwnd);
    p->SetShowMode(2, 9);
    Flush();
    EXPECT_EQ(headless::GetPresentCount(m_hwnd), 0) << "the edge only matters in mode 3";
}

TEST_F(PictureTest, PicturesAndLabelsLeavePressesToTheWindow)
{
    auto* back = Create<MPicture>("MPicture", 30, CRect(0, 0, 400, 300), nullptr, 1, 1);
    auto* label = Create<MText>("MText", 31, CRect(10, 10, 100, 30), "Title", 1);
    auto* button = Create<MButton>("MButton", 32, CRect(200, 10, 300, 40), "OK", 1, 1);
    ASSERT_TRUE(back && label && button);
    Flush();
    Click(150, 150);
    Click(50, 20);
    EXPECT_EQ(headless::GetDragCount(m_hwnd), 2) << "presses on the background and the label drag the window";
    Click(250, 25);
    EXPECT_EQ(headless::GetDragCount(m_hwnd), 2);
    EXPECT_EQ(Codes(32), (std::vector<UINT> { NOTIFY_PRESS, NOTIFY_CLICK }));
}

TEST_F(PictureTest, GifAdvancesEveryFifthTickAndWraps)
{
    std::filesystem::copy_file(
        std::string(CLAVORA_TEST_DATA_DIR) + "/lumoui/three_frames.gif", SkinFolder() + "anim.gif");
    auto* g = Create<CGifPicture>("CGifPicture", 40, CRect(10, 10, 70, 50), nullptr, 1, 1);
    ASSERT_NE(g, nullptr);
    ASSERT_TRUE(g->SetImage("anim.gif", 1));
    EXPECT_EQ(g->GetFrameCount(), 3);
    UINT timer = m_dlg->SetMTimer(1000000);
    Tick(timer, 10);
    EXPECT_EQ(g->GetCurFrame(), 0) << "not running yet";
    g->SetRunState(true, 0);
    EXPECT_TRUE(g->IsAnimate());
    EXPECT_TRUE(g->IsAnimationRunning());
    EXPECT_EQ(Pixel(40, 30), kRed);
    Tick(timer, 4);
    EXPECT_EQ(g->GetCurFrame(), 0);
    Tick(timer, 1);
    EXPECT_EQ(g->GetCurFrame(), 1);
    EXPECT_EQ(Pixel(40, 30), kGreen) << "the frame is scaled over the control";
    Tick(timer, 10);
    EXPECT_EQ(g->GetCurFrame(), 0) << "after the last frame comes the first";
    g->SetRunState(false, 2);
    Tick(timer, 20);
    EXPECT_EQ(g->GetCurFrame(), 2);
    EXPECT_EQ(Pixel(40, 30), kBlue);
    g->SetRunState(true, 99);
    EXPECT_EQ(g->GetCurFrame(), 2) << "the frame is kept inside the picture";
    m_dlg->KillMTimer(timer);
}

TEST_F(PictureTest, GifWithMouseActivationRunsOnlyUnderTheMouse)
{
    std::filesystem::copy_file(
        std::string(CLAVORA_TEST_DATA_DIR) + "/lumoui/three_frames.gif", SkinFolder() + "anim.gif");
    auto* g = Create<CGifPicture>("CGifPicture", 40, CRect(10, 10, 70, 50), nullptr, 1, 1);
    ASSERT_TRUE(g->SetImage("anim.gif", 1));
    UINT timer = m_dlg->SetMTimer(1000000);
    g->SetMouseMoveActive(true);
    g->SetRunState(true, 1);
    Tick(timer, 10);
    EXPECT_EQ(g->GetCurFrame(), 1) << "no frames while the mouse is away";
    Move(40, 30);
    EXPECT_EQ(g->GetCurFrame(), 0) << "entering starts from the first frame";
    Tick(timer, 5);
    EXPECT_EQ(g->GetCurFrame(), 1);
    Move(200, 200);
    Tick(timer, 20);
    EXPECT_EQ(g->GetCurFrame(), 1);
    m_dlg->KillMTimer(timer);

    WriteSkinPng("still.png", 4, 4, [](int, int) -> uint32_t { return kRed; });
    auto* still = Create<CGifPicture>("CGifPicture", 41, CRect(100, 10, 140, 50), nullptr, 1, 1);
    ASSERT_TRUE(still->SetImage("still.png", 1));
    still->SetRunState(true, 0);
    EXPECT_FALSE(still->IsAnimate()) << "a single frame never runs";
    EXPECT_TRUE(g->IsAnimate());
    ASSERT_TRUE(g->SetImage("anim.gif", 1));
    EXPECT_TRUE(g->IsAnimate()) << "a new animated picture goes on running";
    EXPECT_EQ(g->GetCurFrame(), 0);
    ASSERT_TRUE(g->SetImage("still.png", 1));
    EXPECT_FALSE(g->IsAnimate()) << "a still picture stops it";
    EXPECT_FALSE(g->IsRunTimer());
}

TEST_F(PictureTest, AnimationsRunOnTheTimerThreadWhileTheWindowPaints)
{
    // A window of its own on the real clock: the fixture's window keeps the manual clock's
    // paint times.
    m_dlg.reset();
    headless::UseManualClock(false);
    m_dlg = std::make_unique<lumotest::TestDialog>();
    m_hwnd = m_dlg->Open(CRect(0, 0, 400, 300));
    std::filesystem::copy_file(
        std::string(CLAVORA_TEST_DATA_DIR) + "/lumoui/three_frames.gif", SkinFolder() + "anim.gif");
    auto* g = Create<CGifPicture>("CGifPicture", 40, CRect(10, 10, 70, 50), nullptr, 1, 1);
    ASSERT_TRUE(g->SetImage("anim.gif", 1));
    WriteStrip("slides.png", 10, 10, { kRed, kGreen });
    auto* s = Create<CSliderPicture>("CSliderPicture", 41, CRect(80, 10, 140, 50), nullptr, 1, 1);
    ASSERT_TRUE(s->SetImage("slides.png", 2));
    auto* p = Create<MProgress>("MProgress", 42, CRect(10, 60, 140, 70), nullptr, 1, 1);
    g->SetRunState(true, 0);
    s->SetRun(true);
    p->SetRun(true);
    m_dlg->SetMTimer(1);
    int seen = 0;
    int last = g->GetCurFrame();
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (seen < 4 && std::chrono::steady_clock::now() < until) {
        MSG msg;
        if (GetMessageW(&msg)) {
            DispatchMessageW(&msg);
        }
        if (g->GetCurFrame() != last) {
            last = g->GetCurFrame();
            ++seen;
        }
    }
    m_dlg->KillMTimer(m_dlg->GetMTimerID());
    EXPECT_GE(seen, 4);
    // The last frame's repaint request reaches the window thread first, its paint follows
    // once the paint interval has passed.
    for (int i = 0; i < 3; ++i) {
        headless::PumpMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    headless::PumpMessages();
    const ARGB frames[] = { kRed, kGreen, kBlue };
    EXPECT_EQ(Pixel(40, 30), frames[g->GetCurFrame()]) << "the shown frame is the current one";
}

TEST_F(PictureTest, PhotoFrameClicksAndFramesThePhoto)
{
    WriteStrip("frame4.png", 12, 12, { kRed, kGreen, kBlue, kGrey });
    auto* f = Create<CPhotoFrame>("CPhotoFrame", 50, CRect(10, 10, 70, 70), nullptr, 1, 1);
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(f->SetImage("quad.png", 1));
    ASSERT_TRUE(f->SetPhotoFrame("frame4.png", 4));
    Flush();
    EXPECT_EQ(Pixel(11, 11), kRed) << "frame slice 0";
    Move(40, 40);
    EXPECT_EQ(Pixel(11, 11), kGreen) << "frame slice 1 while hovered";
    Press(40, 40);
    Release(40, 40);
    EXPECT_EQ(Codes(50), (std::vector<UINT> { NOTIFY_PRESS, NOTIFY_CLICK }));
    EXPECT_EQ(f->GetFrameEdge(), 4);
}

TEST_F(PictureTest, SlideShowMovesToTheNextPictureAfterItsTime)
{
    WriteStrip("slides.png", 10, 10, { kRed, kGreen, kBlue });
    auto* s = Create<CSliderPicture>("CSliderPicture", 60, CRect(10, 10, 110, 60), nullptr, 1, 1);
    ASSERT_NE(s, nullptr);
    ASSERT_TRUE(s->SetImage("slides.png", 3));
    UINT timer = m_dlg->SetMTimer(1000000);
    s->SetRun(true);
    Flush();
    EXPECT_EQ(Pixel(60, 30), kRed);
    Tick(timer, CSliderPicture::kHoldTicks + CSliderPicture::kSlideTicks / 2);
    EXPECT_EQ(s->GetCurIndex(), 0);
    EXPECT_EQ(s->GetSlideOffset(), 50);
    EXPECT_EQ(Pixel(30, 30), kRed) << "the old picture on the left half";
    EXPECT_EQ(Pixel(90, 30), kGreen) << "the next one slides in from the right";
    Tick(timer, CSliderPicture::kSlideTicks / 2);
    EXPECT_EQ(s->GetCurIndex(), 1);
    EXPECT_EQ(Pixel(30, 30), kGreen);
    s->SetRun(false);
    Tick(timer, 2 * CSliderPicture::kHoldTicks);
    EXPECT_EQ(s->GetCurIndex(), 1);
    m_dlg->KillMTimer(timer);
}

TEST_F(PictureTest, TextAreaBlendsRowByRow)
{
    struct Case {
        int top, bottom, row, rows, alpha;
    };
    const Case cases[] = {
        { 50, 50, 0, 10, 127 },  // e 128, f 127: the step is 0.1 per row
        { 50, 50, 9, 10, 127 },
        { 0, 100, 0, 100, 255 }, // opaque at the top ...
        { 0, 100, 50, 100, 127 },
        { 0, 100, 99, 100, 2 },  // ... clear towards the bottom
        { 100, 0, 0, 100, 0 },
        { 100, 0, 99, 100, 252 },
        { 20, 80, 0, 4, 204 },
        { 20, 80, 2, 4, 127 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CTextArea::RowAlpha(c.top, c.bottom, c.row, c.rows), c.alpha)
            << c.top << "/" << c.bottom << " row " << c.row << " of " << c.rows;
    }
    auto* a = Create<CTextArea>("CTextArea", 70, CRect(10, 10, 110, 60), "", 1, 1);
    ASSERT_NE(a, nullptr);
    a->SetTransparent(0, 0, RGB(0x20, 0x40, 0x60));
    a->SetFrame(true, 0xFFFF0000);
    Flush();
    EXPECT_EQ(Pixel(10, 10), 0xFFFF0000u) << "frame";
    EXPECT_EQ(Pixel(11, 11), 0xFF204060u) << "opaque fill inside the frame";
    a->SetTransparent(50, 50, RGB(0xFF, 0xFF, 0xFF));
    Flush();
    ARGB half = Pixel(50, 30);
    EXPECT_NEAR(static_cast<int>((half >> 16) & 0xFF), (0x09 + 0xFF) / 2, 3) << "a 50 % white veil";
}

} // namespace
