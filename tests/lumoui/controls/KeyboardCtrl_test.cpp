// The keyboard picture: keys, clicks, painting, the rubber band, tips and the light preview.

#include "WidgetTest.h"

#include "lumoui/CKeyboardTips.h"
#include "lumoui/KeyboardCtrl.h"
#include "lumoui/MPanel.h"

#include <atomic>
#include <filesystem>
#include <thread>

using namespace lumo;

namespace {

constexpr UINT kId = 67;
constexpr ARGB kPicture = 0xFF202020;
constexpr ARGB kOrange = 0xFFFF7D00;
constexpr ARGB kCyan = 0xFF00FFFF;
constexpr ARGB kCapBlue = 0xFF007ACC;

// Four keys in picture coordinates, and where they land in the window: the control lies at
// (20, 20, 320, 220) and centres a 200-pixel picture, so picture x 0 is window x 70.
struct TestKey {
    const char* name;
    const char* label;
    DWORD value;
    CRect rect;
};
constexpr TestKey kKeys[] = {
    { "Esc", "Escape", 41, CRect(10, 10, 46, 38) },
    { "A", "Letter A", 4, CRect(50, 10, 86, 38) },
    { "B", "Letter B", 5, CRect(10, 50, 46, 78) },
    { "C", "Letter C", 6, CRect(50, 50, 86, 78) },
};
constexpr CPoint kPictureOrigin(70, 20);

CRect InWindow(const CRect& r)
{
    CRect w = r;
    w.OffsetRect(kPictureOrigin);
    return w;
}
CPoint Centre(int key) { return InWindow(kKeys[key].rect).CenterPoint(); }

class KeyboardCtrlTest : public lumotest::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        std::filesystem::create_directories(SkinFolder() + "keyboard");
        WriteSkinPng("keyboard/test.png", 200, 100, [](int, int) -> uint32_t { return kPicture; });
        Open();
        m_kb = Create<KeyboardCtrl>("KeyboardCtrl", kId, CRect(20, 20, 320, 220), "Key page");
        ASSERT_NE(m_kb, nullptr);
        ASSERT_TRUE(m_kb->SetKeyboardImage("keyboard/test.png"));
        m_kb->SetWidthAndHeight(200, 100);
        for (const TestKey& k : kKeys) {
            m_kb->AddKeyItem(k.name, k.label, k.value, k.rect);
        }
        m_kb->SetKeyboardCtrlMode(KBMODE_SELECT);
        Flush();
    }

    void Move(CPoint p)
    {
        headless::MouseMove(m_hwnd, p.x, p.y);
        Flush();
    }
    void Down(CPoint p, bool right = false)
    {
        headless::MouseDown(m_hwnd, p.x, p.y, right);
        Flush();
    }
    void Up(CPoint p, bool right = false)
    {
        headless::MouseUp(m_hwnd, p.x, p.y, right);
        Flush();
    }
    void Click(CPoint p, bool right = false)
    {
        Move(p);
        Down(p, right);
        Up(p, right);
    }
    // Drags with a button held from `from` through the points given, without releasing.
    void Drag(CPoint from, std::initializer_list<CPoint> through, bool right = false)
    {
        Move(from);
        Down(from, right);
        for (CPoint p : through) {
            Move(p);
        }
    }
    const lumotest::TestDialog::Note* Last(UINT code) const
    {
        for (auto it = m_dlg->m_notes.rbegin(); it != m_dlg->m_notes.rend(); ++it) {
            if (it->id == kId && it->code == code) {
                return &*it;
            }
        }
        return nullptr;
    }
    // A pixel on the key's outline (its left edge, halfway down).
    ARGB Outline(int key) { return Pixel(InWindow(kKeys[key].rect).left, Centre(key).y); }
    std::vector<bool> Checks() const
    {
        std::vector<bool> out;
        for (const TestKey& k : kKeys) {
            out.push_back(m_kb->GetKeyCheck(k.value));
        }
        return out;
    }

    KeyboardCtrl* m_kb = nullptr;
};

TEST_F(KeyboardCtrlTest, BothFactoriesBuildItAndKeysKeepTheirRecords)
{
    MPanel panel(m_dlg.get(), 90, CRect(0, 0, 100, 100), 1);
    EXPECT_NE(dynamic_cast<KeyboardCtrl*>(panel.CreateControl("KeyboardCtrl", 91, CRect(0, 0, 50, 50))), nullptr);

    std::vector<KEY_INFO*> keys = m_kb->GetKeyItems();
    ASSERT_EQ(keys.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(keys[i]->index, i);
        EXPECT_EQ(keys[i]->keyValue, kKeys[i].value);
        EXPECT_EQ(keys[i]->name, kKeys[i].name);
        EXPECT_EQ(keys[i]->label, kKeys[i].label);
        EXPECT_EQ(keys[i]->rect, kKeys[i].rect);
        EXPECT_EQ(keys[i]->colour.load(), kDefaultKeyColor);
        EXPECT_FALSE(keys[i]->checked);
    }
    EXPECT_EQ(m_kb->AddKeyItem("D", "", 7, CRect(90, 10, 126, 38), "icon/missing.png"), 4);
    EXPECT_EQ(m_kb->GetKeyItems()[4]->icon, nullptr) << "an icon that does not load leaves none";
    m_kb->SetKeyDesc(7, "Macro 1");
    EXPECT_EQ(m_kb->GetKeyItems()[4]->name, "Macro 1");
    EXPECT_EQ(m_kb->GetKeyItems()[4]->label, "Macro 1");
    m_kb->ClearItem();
    EXPECT_TRUE(m_kb->GetKeyItems().empty());
}

TEST_F(KeyboardCtrlTest, PictureIsCentredHorizontallyOnceItsSizeIsKnown)
{
    KeyboardCtrl* fresh = Create<KeyboardCtrl>("KeyboardCtrl", 80, CRect(0, 0, 0, 0));
    EXPECT_EQ(fresh->GetOffset(), CPoint(6, 6)) << "default before any size";
    fresh->SetWidthAndHeight(200, 100);
    EXPECT_EQ(fresh->GetOffset(), CPoint(6, 6)) << "no control rect yet";
    fresh->SetRect(CRect(10, 10, 311, 110));
    EXPECT_EQ(fresh->GetOffset(), CPoint(50, 0)) << "(301 - 200) / 2, truncated";
    EXPECT_EQ(fresh->GetRealRect(CRect(1, 2, 3, 4)), CRect(51, 2, 53, 4));

    EXPECT_EQ(m_kb->GetOffset(), CPoint(50, 0));
    EXPECT_EQ(Pixel(kPictureOrigin.x, kPictureOrigin.y + 1), kPicture);
    EXPECT_NE(Pixel(kPictureOrigin.x - 1, kPictureOrigin.y + 1), kPicture);
}

TEST_F(KeyboardCtrlTest, ClicksReportTheKeyUnderThePressAndMinusOneBesideTheKeys)
{
    Click(Centre(1));
    const auto* click = Last(NOTIFY_CLICK);
    ASSERT_NE(click, nullptr);
    EXPECT_EQ(static_cast<int>(click->wParam), 1);
    EXPECT_EQ(click->lParam, 4);
    EXPECT_EQ(m_kb->GetCurrentKeyValue(), 4u);
    EXPECT_EQ(m_kb->GetSelectItem(), 1);

    Click(CPoint(kPictureOrigin.x + 48, kPictureOrigin.y + 44)); // between the four keys
    click = Last(NOTIFY_CLICK);
    EXPECT_EQ(static_cast<int>(click->wParam), -1);
    EXPECT_EQ(click->lParam, 0);
    EXPECT_EQ(m_kb->GetCurrentKeyValue(), 4u) << "the last clicked key stays current";

    Click(Centre(3), true);
    const auto* rclick = Last(NOTIFY_RCLICK);
    ASSERT_NE(rclick, nullptr);
    EXPECT_EQ(static_cast<int>(rclick->wParam), 3);
    EXPECT_EQ(rclick->lParam, 6);
    EXPECT_EQ(m_kb->GetSelectItem(), 3);
    EXPECT_EQ(m_dlg->Count(NOTIFY_RANGESELECT), 0);
}

TEST_F(KeyboardCtrlTest, SelectionModeOutlinesCheckedHoveredAndSelectedKeys)
{
    EXPECT_EQ(Outline(0), kPicture);
    m_kb->SetKeyCheck(41, true);
    m_kb->UpdateControl(true);
    EXPECT_EQ(Outline(0), kOrange);
    Move(Centre(2));
    EXPECT_EQ(m_kb->GetHoverItem(), 2);
    EXPECT_EQ(Outline(2), kOrange);
    Click(Centre(3));
    Move(CPoint(300, 200)); // inside the control, off the keys
    EXPECT_EQ(Outline(2), kPicture) << "hover gone";
    EXPECT_EQ(Outline(3), kOrange) << "still selected";

    m_kb->ResetAllItemCheck();
    EXPECT_EQ(m_kb->GetSelectItem(), -1);
    EXPECT_EQ(Outline(0), kPicture);
    EXPECT_EQ(Outline(3), kPicture);
    m_kb->ResetAllItemCheck(true);
    EXPECT_EQ(m_kb->GetCheckItemCount(), 4);
}

TEST_F(KeyboardCtrlTest, UnknownKeyValuesChangeNothing)
{
    m_kb->SetKeyCheck(999, true);
    m_kb->SetKeyColor(999, 0x123456);
    m_kb->SetTipKey(999, "x", "y");
    m_kb->SetKeyDesc(999, "x");
    EXPECT_EQ(m_kb->GetCheckItemCount(), 0);
    EXPECT_EQ(m_kb->GetKeyColor(999), 0u);
    for (KEY_INFO* key : m_kb->GetKeyItems()) {
        EXPECT_EQ(key->colour.load(), kDefaultKeyColor);
        EXPECT_TRUE(key->tip1.empty());
        EXPECT_NE(key->name, "x");
    }
}

TEST_F(KeyboardCtrlTest, CustomModeClickTogglesBetweenZeroAndTheCustomColour)
{
    m_kb->SetKeyboardCtrlMode(KBMODE_CUSTOM);
    m_kb->SetCustomColor(0xFF0000); // blue
    m_kb->SetKeyColor(41, 0);
    Click(Centre(0));
    EXPECT_EQ(m_kb->GetKeyColor(41), 0xFF0000u);
    EXPECT_EQ(Outline(0), 0xFF0000FFu);
    Click(Centre(0)); // quick enough to arrive as a double click
    EXPECT_EQ(m_kb->GetKeyColor(41), 0u);
    EXPECT_EQ(m_dlg->Count(NOTIFY_CLICK), 2);

    Click(Centre(1)); // a key of the default colour is not 0: the first click clears it
    EXPECT_EQ(m_kb->GetKeyColor(4), 0u);

    m_kb->SetKeyboardCtrlMode(KBMODE_SELECT);
    Click(Centre(2));
    EXPECT_EQ(m_kb->GetKeyColor(5), kDefaultKeyColor) << "only the custom mode paints";
}

TEST_F(KeyboardCtrlTest, ColourOperations)
{
    m_kb->SetKeyCheck(4, true);
    m_kb->SetSelectItem(3);
    m_kb->SetAllSelectColor(0x00FF00);
    EXPECT_EQ(m_kb->GetKeyColor(41), kDefaultKeyColor);
    EXPECT_EQ(m_kb->GetKeyColor(4), 0x00FF00u);
    EXPECT_EQ(m_kb->GetKeyColor(5), kDefaultKeyColor);
    EXPECT_EQ(m_kb->GetKeyColor(6), 0x00FF00u);

    m_kb->SetLightModeColor(true, 0x0000FF);
    EXPECT_EQ(m_kb->GetKeyColor(41), 0xFFFFFFu);
    m_kb->SetLightModeColor(false, 0x0000FF);
    EXPECT_EQ(m_kb->GetKeyColor(41), 0x0000FFu);

    m_kb->SetMusicBrightness(255); // unchanged: colours stay
    EXPECT_EQ(m_kb->GetKeyColor(41), 0x0000FFu);
    m_kb->SetMusicBrightness(100);
    EXPECT_EQ(m_kb->GetKeyColor(41), 0xFFFF00u);
    EXPECT_EQ(m_kb->GetMusicBrightness(), 100);

    m_kb->SetKeyboardCtrlMode(KBMODE_MUSIC);
    m_kb->SetKeyColor(6, 0x0000FF);
    m_kb->UpdateControl(true);
    EXPECT_EQ(Outline(3), 0xFFFF0000u) << "keys outlined in their own colour";
    EXPECT_EQ(Outline(0), 0xFF00FFFFu);
}

TEST_F(KeyboardCtrlTest, AssignmentModeDrawsCapsWithoutThePicture)
{
    m_kb->SetKeyboardCtrlMode(KBMODE_ASSIGN);
    Flush();
    CRect esc = InWindow(kKeys[0].rect);
    EXPECT_EQ(Pixel(esc.left + 2, esc.top + 2), kCapBlue);
    EXPECT_NE(Pixel(esc.left, esc.top), kCapBlue) << "caps are inset by a pixel";
    EXPECT_NE(Pixel(kPictureOrigin.x + 2, kPictureOrigin.y + 2), kPicture) << "no picture in this mode";
    m_kb->SetKeyboardCtrlMode(999);
    EXPECT_NE(Pixel(esc.left + 2, esc.top + 2), kCapBlue) << "unknown modes draw nothing";
}

TEST_F(KeyboardCtrlTest, LightPreviewOutlinesAreCyanFadedByTheFrameByte)
{
    m_kb->SetKeyboardCtrlMode(KBMODE_LIGHT);
    m_kb->SetLightModeColor(false, 0x0000FF);
    Flush();
    EXPECT_EQ(Outline(0), kCyan) << "set colours are not shown; no frames means full alpha";

    const uint8_t frames[] = { 0, 255, 128, 255, /* frame 1 */ 255, 0, 0, 0 };
    m_kb->SetLightModeData(frames, sizeof frames);
    Flush();
    EXPECT_EQ(Outline(0), kPicture) << "byte 0: invisible";
    EXPECT_EQ(Outline(1), kCyan);
    ARGB half = Outline(2);
    EXPECT_GT((half >> 8) & 0xFF, 0x80u) << "byte 128: half way to cyan";
    EXPECT_LT((half >> 8) & 0xFF, 0xA0u);
}

TEST_F(KeyboardCtrlTest, LightFramesAdvanceByTicksPerSpeedAndNeverShowTheRemainder)
{
    struct SpeedCase {
        int speed;
        int ticks;
    };
    for (SpeedCase c : { SpeedCase { 0, 5 }, { 1, 4 }, { 2, 3 }, { 3, 2 }, { 7, 1 }, { -1, 1 } }) {
        m_kb->SetLightSpeed(c.speed);
        EXPECT_EQ(m_kb->GetTicksPerFrame(), c.ticks) << "speed " << c.speed;
    }

    m_kb->SetKeyboardCtrlMode(KBMODE_LIGHT);
    // Two whole frames of four keys and three bytes over; 7 marks the bytes never shown.
    const uint8_t data[] = { 1, 1, 1, 1, 2, 2, 2, 2, 7, 7, 7 };
    m_kb->SetLightModeData(data, sizeof data);
    EXPECT_EQ(m_kb->GetFrameCount(), 2);
    m_kb->SetLightSpeed(7);
    std::vector<int> seen;
    for (int tick = 0; tick < 6; ++tick) {
        seen.push_back(m_kb->GetLightFrame());
        for (int key = 0; key < 4; ++key) {
            EXPECT_NE(m_kb->GetKeyLightByte(key), 7);
        }
        m_kb->OnTimer();
    }
    EXPECT_EQ(seen, (std::vector<int> { 0, 1, 0, 1, 0, 1 }));

    m_kb->SetLightSpeed(0);
    m_kb->SetLightModeData(data, sizeof data);
    for (int tick = 0; tick < 4; ++tick) {
        m_kb->OnTimer();
    }
    EXPECT_EQ(m_kb->GetLightFrame(), 0) << "speed 0 holds a frame for five ticks";
    m_kb->OnTimer();
    EXPECT_EQ(m_kb->GetLightFrame(), 1);

    m_kb->SetKeyboardCtrlMode(KBMODE_CUSTOM);
    m_kb->OnTimer();
    EXPECT_EQ(m_kb->GetLightFrame(), 1) << "frames run only in the light mode";
}

TEST_F(KeyboardCtrlTest, EmptyLightDataStopsTheAnimationAtFullAlpha)
{
    m_kb->SetKeyboardCtrlMode(KBMODE_LIGHT);
    const uint8_t data[] = { 0, 0, 0, 0, 0, 0, 0, 0 };
    m_kb->SetLightModeData(data, sizeof data);
    m_kb->SetLightSpeed(7);
    m_kb->OnTimer();
    EXPECT_EQ(m_kb->GetLightFrame(), 1);
    m_kb->SetLightModeData(data, 0);
    EXPECT_EQ(m_kb->GetFrameCount(), 0);
    EXPECT_EQ(m_kb->GetLightFrame(), 0);
    m_kb->OnTimer();
    EXPECT_EQ(m_kb->GetLightFrame(), 0);
    for (int key = 0; key < 4; ++key) {
        EXPECT_EQ(m_kb->GetKeyLightByte(key), 255);
    }
    Flush();
    EXPECT_EQ(Outline(0), kCyan);

    m_kb->ClearItem();
    m_kb->SetLightModeData(data, sizeof data);
    EXPECT_EQ(m_kb->GetFrameCount(), 0) << "no keys, no frames";
}

TEST_F(KeyboardCtrlTest, OnceTicksRunHoverIsRepaintedByTheNextTick)
{
    m_kb->OnTimer(); // ticks are running from now on
    Move(Centre(1));
    EXPECT_EQ(m_kb->GetHoverItem(), 1);
    EXPECT_EQ(Outline(1), kPicture) << "the move itself asks for no repaint";
    m_kb->OnTimer();
    EXPECT_EQ(Outline(1), kOrange);
}

TEST_F(KeyboardCtrlTest, RubberBandChecksTheKeysItTouches)
{
    m_kb->EnableFrameSelect(true);
    CPoint start(kPictureOrigin.x + 5, kPictureOrigin.y + 5);
    Drag(start, { CPoint(start.x + 15, start.y + 15) });
    EXPECT_FALSE(m_kb->IsFrameSelecting()) << "moves under 20 pixels on both axes are ignored";

    Move(CPoint(start.x + 60, start.y + 40)); // over Esc and A, above B and C
    EXPECT_TRUE(m_kb->IsFrameSelecting());
    EXPECT_EQ(Checks(), (std::vector<bool> { true, true, false, false }));
    CRect band = m_kb->GetFrameRect();
    EXPECT_EQ(Pixel(band.left + 1, band.top), 0xFF4CFF29u) << "dotted band drawn";

    Move(CPoint(start.x + 60, start.y + 70)); // grows over all four
    EXPECT_EQ(m_kb->GetCheckItemCount(), 4);
    Up(CPoint(start.x + 60, start.y + 70));
    EXPECT_FALSE(m_kb->IsFrameSelecting());
    EXPECT_EQ(m_kb->GetCheckItemCount(), 4) << "the checks stay after the band";
    EXPECT_EQ(static_cast<int>(Last(NOTIFY_CLICK)->wParam), -1) << "the press was beside the keys";
}

TEST_F(KeyboardCtrlTest, BandNarrowerThanSixPixelsSelectsNothing)
{
    m_kb->EnableFrameSelect(true);
    m_kb->SetKeyCheck(41, true);
    m_kb->SetKeyCheck(5, true);
    CPoint start = Centre(0);
    Drag(start, { CPoint(start.x + 5, start.y + 100) });
    EXPECT_TRUE(m_kb->IsFrameSelecting());
    EXPECT_EQ(m_kb->GetCheckItemCount(), 0);
}

TEST_F(KeyboardCtrlTest, RightButtonBandEndsWithRangeSelectInsteadOfRightClick)
{
    m_kb->EnableFrameSelect(true);
    CPoint start(kPictureOrigin.x + 5, kPictureOrigin.y + 45);
    Drag(start, { CPoint(start.x + 100, start.y + 40) }, true);
    EXPECT_EQ(Checks(), (std::vector<bool> { false, false, true, true }));
    Up(CPoint(start.x + 100, start.y + 40), true);
    ASSERT_NE(Last(NOTIFY_RANGESELECT), nullptr);
    EXPECT_EQ(Last(NOTIFY_RANGESELECT)->wParam, 0u);
    EXPECT_EQ(Last(NOTIFY_RCLICK), nullptr);
    EXPECT_EQ(m_kb->GetCheckItemCount(), 2);
}

TEST_F(KeyboardCtrlTest, WithoutFrameSelectADragSelectsNothing)
{
    Drag(Centre(0), { CPoint(Centre(3).x, Centre(3).y) });
    EXPECT_FALSE(m_kb->IsFrameSelecting());
    EXPECT_EQ(m_kb->GetCheckItemCount(), 0);
}

TEST_F(KeyboardCtrlTest, TipsShowOnlyOnceEnabled)
{
    m_kb->SetTipKey(41, "Disabled", "");
    Move(Centre(0));
    EXPECT_EQ(m_kb->GetTipsWindow(), nullptr) << "tips are off by default";

    m_kb->EnableKBTips(true);
    Move(CPoint(Centre(0).x + 1, Centre(0).y));
    CKeyboardTips* tips = m_kb->GetTipsWindow();
    ASSERT_NE(tips, nullptr);
    EXPECT_TRUE(tips->IsWindowVisible());
    EXPECT_EQ(tips->GetTitle(), "Escape") << "a key with tip texts shows its label";
    CRect at;
    tips->GetWindowRect(&at);
    CPoint anchor(InWindow(kKeys[0].rect).CenterPoint().x, InWindow(kKeys[0].rect).top);
    ClientToScreen(m_hwnd, &anchor);
    EXPECT_EQ(at, CRect(anchor.x - 95, anchor.y - 100, anchor.x + 95, anchor.y));

    Move(Centre(1));
    EXPECT_EQ(tips->GetTitle(), "A") << "without tip texts: the name";
    EXPECT_TRUE(tips->IsWindowVisible());
    m_kb->SetVisible(false);
    EXPECT_FALSE(tips->IsWindowVisible()) << "a hidden picture takes its tip along";
    m_kb->SetVisible(true);
    Move(Centre(0));
    EXPECT_TRUE(tips->IsWindowVisible());
    Move(CPoint(5, 5)); // out of the control
    EXPECT_FALSE(tips->IsWindowVisible());

    m_kb->SetKeyDesc(5, ""); // a key without a name or tip texts has nothing to show
    Move(Centre(2));
    EXPECT_FALSE(tips->IsWindowVisible());
}

TEST_F(KeyboardCtrlTest, ColoursStreamInFromAnotherThreadWhileTicksRun)
{
    m_kb->SetKeyboardCtrlMode(KBMODE_LIGHT);
    const uint8_t data[] = { 10, 20, 30, 40, 50, 60, 70, 80 };
    m_kb->SetLightModeData(data, sizeof data);
    // Both threads do a fixed amount of work, so the window thread's pumping (which runs
    // until nothing is queued) ends once they are done.
    std::atomic<int> running { 2 };
    std::thread worker([&] {
        for (COLORREF c = 0; c < 2000; ++c) {
            m_kb->SetKeyColor(kKeys[c % 4].value, c);
            (void)m_kb->GetKeyColors();
            m_kb->UpdateControl(true);
        }
        --running;
    });
    std::thread ticks([&] {
        for (int i = 0; i < 2000; ++i) {
            m_kb->OnTimer();
        }
        --running;
    });
    for (int i = 0; running > 0 || i < 8; ++i) {
        Move(Centre(i % 4));
    }
    worker.join();
    ticks.join();
    EXPECT_EQ(m_kb->GetKeyColors().size(), 4u);
}

} // namespace
