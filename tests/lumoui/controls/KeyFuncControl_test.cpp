// The key chooser: its item table, hover and tooltips, presses and the chosen item.

#include "WidgetTest.h"

#include "lumoui/KeyFuncControl.h"
#include "lumoui/MPanel.h"

#include <filesystem>

using namespace lumo;

namespace {

constexpr UINT kId = 69;
// The chooser lies at (10, 10) in the window; item rects are relative to that corner.
constexpr CPoint kOrigin(10, 10);

struct Expected {
    const char* text;
    int data;
    CRect rect;
};

// Every item in list order: the icon row, then the keyboard row by row, left to right.
const Expected kItems[] = {
    { "", 249, { 0, 0, 43, 28 } },
    { "", 242, { 50, 0, 93, 28 } },
    { "", 240, { 100, 0, 143, 28 } },
    { "", 232, { 150, 0, 193, 28 } },
    { "", 238, { 200, 0, 243, 28 } },
    { "", 236, { 250, 0, 293, 28 } },
    { "", 237, { 300, 0, 343, 28 } },
    { "", 239, { 350, 0, 393, 28 } },
    { "", 233, { 400, 0, 443, 28 } },
    { "", 234, { 450, 0, 493, 28 } },
    { "", 235, { 500, 0, 543, 28 } },
    { "", 241, { 550, 0, 593, 28 } },
    { "", 246, { 600, 0, 643, 28 } },
    { "", 245, { 650, 0, 693, 28 } },
    { "", 243, { 700, 0, 743, 28 } },
    { "", 244, { 750, 0, 793, 28 } },
    { "", 248, { 800, 0, 843, 28 } },
    { "", 247, { 850, 0, 893, 28 } },

    { "Esc", 41, { 0, 38, 36, 66 } },
    { "F1", 58, { 78, 38, 114, 66 } },
    { "F2", 59, { 117, 38, 153, 66 } },
    { "F3", 60, { 156, 38, 192, 66 } },
    { "F4", 61, { 195, 38, 231, 66 } },
    { "F5", 62, { 260, 38, 296, 66 } },
    { "F6", 63, { 299, 38, 335, 66 } },
    { "F7", 64, { 338, 38, 374, 66 } },
    { "F8", 65, { 377, 38, 413, 66 } },
    { "F9", 66, { 442, 38, 478, 66 } },
    { "F10", 67, { 481, 38, 517, 66 } },
    { "F11", 68, { 520, 38, 556, 66 } },
    { "F12", 69, { 559, 38, 595, 66 } },
    { "Print", 70, { 616, 38, 652, 66 } },
    { "Scroll Lock", 71, { 655, 38, 691, 66 } },
    { "Pause", 72, { 694, 38, 730, 66 } },

    { "~", 53, { 0, 76, 36, 104 } },
    { "1", 30, { 39, 76, 75, 104 } },
    { "2", 31, { 78, 76, 114, 104 } },
    { "3", 32, { 117, 76, 153, 104 } },
    { "4", 33, { 156, 76, 192, 104 } },
    { "5", 34, { 195, 76, 231, 104 } },
    { "6", 35, { 234, 76, 270, 104 } },
    { "7", 36, { 273, 76, 309, 104 } },
    { "8", 37, { 312, 76, 348, 104 } },
    { "9", 38, { 351, 76, 387, 104 } },
    { "0", 39, { 390, 76, 426, 104 } },
    { "-", 45, { 429, 76, 465, 104 } },
    { "=", 46, { 468, 76, 504, 104 } },
    { "Back", 42, { 507, 76, 595, 104 } },
    { "Ins", 73, { 616, 76, 652, 104 } },
    { "Home", 74, { 655, 76, 691, 104 } },
    { "PgUp", 75, { 694, 76, 730, 104 } },
    { "NumLock", 83, { 750, 76, 786, 104 } },
    { "/", 84, { 789, 76, 825, 104 } },
    { "*", 85, { 828, 76, 864, 104 } },
    { "-", 86, { 867, 76, 903, 104 } },

    { "Tab", 43, { 0, 109, 75, 137 } },
    { "Q", 20, { 78, 109, 114, 137 } },
    { "W", 26, { 117, 109, 153, 137 } },
    { "E", 8, { 156, 109, 192, 137 } },
    { "R", 21, { 195, 109, 231, 137 } },
    { "T", 23, { 234, 109, 270, 137 } },
    { "Y", 28, { 273, 109, 309, 137 } },
    { "U", 24, { 312, 109, 348, 137 } },
    { "I", 12, { 351, 109, 387, 137 } },
    { "O", 18, { 390, 109, 426, 137 } },
    { "P", 19, { 429, 109, 465, 137 } },
    { "[", 47, { 468, 109, 503, 137 } },
    { "]", 48, { 507, 109, 542, 137 } },
    { "\\", 49, { 546, 109, 595, 137 } },
    { "Del", 76, { 616, 109, 652, 137 } },
    { "End", 77, { 655, 109, 691, 137 } },
    { "PgDn", 78, { 694, 109, 730, 137 } },
    { "7", 95, { 750, 109, 786, 137 } },
    { "8", 96, { 789, 109, 825, 137 } },
    { "9", 97, { 828, 109, 864, 137 } },
    { "+", 87, { 867, 109, 903, 170 } },

    { "Caps", 57, { 0, 142, 85, 170 } },
    { "A", 4, { 88, 142, 124, 170 } },
    { "S", 22, { 127, 142, 163, 170 } },
    { "D", 7, { 166, 142, 202, 170 } },
    { "F", 9, { 205, 142, 241, 170 } },
    { "G", 10, { 244, 142, 280, 170 } },
    { "H", 11, { 283, 142, 319, 170 } },
    { "J", 13, { 322, 142, 358, 170 } },
    { "K", 14, { 361, 142, 397, 170 } },
    { "L", 15, { 400, 142, 436, 170 } },
    { ";", 51, { 439, 142, 475, 170 } },
    { "'", 52, { 478, 142, 514, 170 } },
    { "Enter", 40, { 517, 142, 595, 170 } },
    { "4", 92, { 750, 142, 786, 170 } },
    { "5", 93, { 789, 142, 825, 170 } },
    { "6", 94, { 828, 142, 864, 170 } },

    { "Shift", 225, { 0, 175, 101, 203 } },
    { "Z", 29, { 104, 175, 140, 203 } },
    { "X", 27, { 143, 175, 179, 203 } },
    { "C", 6, { 182, 175, 218, 203 } },
    { "V", 25, { 221, 175, 257, 203 } },
    { "B", 5, { 260, 175, 296, 203 } },
    { "N", 17, { 299, 175, 335, 203 } },
    { "M", 16, { 338, 175, 374, 203 } },
    { ",<", 54, { 377, 175, 413, 203 } },
    { ".>", 55, { 416, 175, 452, 203 } },
    { "/?", 56, { 455, 175, 491, 203 } },
    { "Shift", 229, { 494, 175, 595, 203 } },
    { "Up", 82, { 655, 175, 691, 203 } },
    { "1", 89, { 750, 175, 786, 203 } },
    { "2", 90, { 789, 175, 825, 203 } },
    { "3", 91, { 828, 175, 864, 203 } },
    { "Enter", 88, { 867, 175, 903, 236 } },

    { "Ctrl", 224, { 0, 208, 50, 236 } },
    { "Win", 227, { 53, 208, 103, 236 } },
    { "Alt", 226, { 106, 208, 156, 236 } },
    { "Space", 44, { 159, 208, 383, 236 } },
    { "Alt", 230, { 386, 208, 436, 236 } },
    { "Win", 231, { 439, 208, 489, 236 } },
    { "App", 101, { 492, 208, 542, 236 } },
    { "Ctrl", 228, { 545, 208, 595, 236 } },
    { "Left", 80, { 616, 208, 652, 236 } },
    { "Down", 81, { 655, 208, 691, 236 } },
    { "Right", 79, { 694, 208, 730, 236 } },
    { "0", 98, { 750, 208, 786, 236 } },
    { ".", 99, { 789, 208, 864, 236 } },
};

int IndexOf(int data)
{
    for (size_t i = 0; i < std::size(kItems); ++i) {
        if (kItems[i].data == data) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// A window point inside the item, away from its centre (where the label is drawn).
CPoint Corner(int data)
{
    CRect r = kItems[IndexOf(data)].rect;
    return CPoint(kOrigin.x + r.left + 3, kOrigin.y + r.top + 3);
}
CPoint Centre(int data)
{
    CRect r = kItems[IndexOf(data)].rect;
    r.OffsetRect(kOrigin);
    return r.CenterPoint();
}

class KeyFuncControlTest : public lumotest::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        Open(CRect(0, 0, 960, 300));
        m_page = Attach(new MPanel(m_dlg.get(), 52, CRect(0, 0, 960, 300), 1));
        m_kf = dynamic_cast<KeyFuncControl*>(m_page->CreateControl("KeyFuncControl", kId, CRect(10, 10, 950, 280)));
        ASSERT_NE(m_kf, nullptr);
        Flush();
    }
    void Move(CPoint p)
    {
        headless::MouseMove(m_hwnd, p.x, p.y);
        Flush();
    }
    void Press(CPoint p)
    {
        Move(p);
        headless::MouseDown(m_hwnd, p.x, p.y);
        Flush();
        headless::MouseUp(m_hwnd, p.x, p.y);
        Flush();
    }
    const lumotest::TestDialog::Note* LastPress() const
    {
        for (auto it = m_dlg->m_notes.rbegin(); it != m_dlg->m_notes.rend(); ++it) {
            if (it->id == kId && it->code == NOTIFY_PRESS) {
                return &*it;
            }
        }
        return nullptr;
    }
    struct Chosen {
        bool ok = false;
        int reserved = -7;
        int data = -1;
        int extra1 = -1;
        int extra2 = -1;
        std::string text;
    };
    Chosen Current() const
    {
        Chosen c;
        c.ok = m_kf->GetCurItemData(c.reserved, c.data, c.extra1, c.extra2, c.text);
        return c;
    }

    MPanel* m_page = nullptr;
    KeyFuncControl* m_kf = nullptr;
};

TEST_F(KeyFuncControlTest, OnlyContainersBuildIt)
{
    EXPECT_EQ(m_dlg->CreateControl("KeyFuncControl", 70, CRect(0, 0, 10, 10)), nullptr);
}

TEST_F(KeyFuncControlTest, BuiltInItemsMatchTheTable)
{
    ASSERT_EQ(m_kf->GetItemCount(), 122);
    ASSERT_EQ(std::size(kItems), 122u);
    for (int i = 0; i < 122; ++i) {
        KeyFuncItem item;
        ASSERT_TRUE(m_kf->GetItem(i, item));
        EXPECT_EQ(item.text, kItems[i].text) << "item " << i;
        EXPECT_EQ(item.itemData, kItems[i].data) << "item " << i;
        EXPECT_EQ(item.rect, kItems[i].rect) << "item " << i << " " << kItems[i].text;
        EXPECT_EQ(item.extra1, 0);
        EXPECT_EQ(item.extra2, 0);
    }
    KeyFuncItem none;
    EXPECT_FALSE(m_kf->GetItem(122, none));
}

TEST_F(KeyFuncControlTest, IconsComeFromTheSkinFolderAndMissingOnesAreLeftOut)
{
    std::filesystem::create_directories(SkinFolder() + "icon");
    WriteSkinPng("icon/icon_pc.png", 20, 20, [](int, int) -> uint32_t { return 0xFF00FF00; });
    m_kf->InitItemInfo();
    ASSERT_EQ(m_kf->GetItemCount(), 122);
    KeyFuncItem pc;
    KeyFuncItem cal;
    KeyFuncItem esc;
    m_kf->GetItem(0, pc);
    m_kf->GetItem(1, cal);
    m_kf->GetItem(18, esc);
    EXPECT_NE(pc.icon, nullptr);
    EXPECT_EQ(cal.icon, nullptr);
    EXPECT_EQ(esc.icon, nullptr);
    Flush();
    EXPECT_EQ(Pixel(Centre(249).x, Centre(249).y), 0xFF00FF00u) << "the icon is drawn in the middle";
}

TEST_F(KeyFuncControlTest, PressReportsTheItemIndexAndGetCurItemDataTheItem)
{
    Press(Centre(4)); // "A"
    const auto* press = LastPress();
    ASSERT_NE(press, nullptr);
    EXPECT_EQ(static_cast<int>(press->wParam), IndexOf(4));
    EXPECT_EQ(press->lParam, 0);
    EXPECT_EQ(m_dlg->Count(NOTIFY_CLICK), 0) << "the release sends nothing";
    Chosen c = Current();
    EXPECT_TRUE(c.ok);
    EXPECT_EQ(c.data, 4);
    EXPECT_EQ(c.extra1, 0);
    EXPECT_EQ(c.extra2, 0);
    EXPECT_EQ(c.text, "A");
    EXPECT_EQ(c.reserved, -7) << "the first reference is not written";

    Move(Centre(5)); // onto "B", never pressed
    EXPECT_FALSE(Current().ok);
    Move(Centre(4));
    EXPECT_TRUE(Current().ok) << "back on the pressed item";
}

TEST_F(KeyFuncControlTest, PressBetweenKeysReportsMinusOneAndNothingIsChosen)
{
    Press(CPoint(kOrigin.x + 50, kOrigin.y + 50)); // between "Esc" and "F1"
    ASSERT_NE(LastPress(), nullptr);
    EXPECT_EQ(static_cast<int>(LastPress()->wParam), -1);
    EXPECT_FALSE(Current().ok);
}

TEST_F(KeyFuncControlTest, CheckingByDataForgetsThePress)
{
    Press(Centre(41));
    EXPECT_TRUE(Current().ok);
    m_kf->SetItemCheckByItemData(0, 0, 0);
    EXPECT_EQ(m_kf->GetCheckItem(), -1);
    EXPECT_FALSE(Current().ok) << "no press since the check";
    Press(Centre(41));
    EXPECT_TRUE(Current().ok);

    m_kf->SetItemCheckByItemData(4, 0, 0);
    EXPECT_EQ(m_kf->GetCheckItem(), IndexOf(4));
    m_kf->SetItemCheckByItemData(4, 1, 0);
    EXPECT_EQ(m_kf->GetCheckItem(), -1) << "the extra values must match too";
    m_kf->SetItemCheckByItemData(777, 0, 0);
    EXPECT_EQ(m_kf->GetCheckItem(), -1);
}

TEST_F(KeyFuncControlTest, DescriptionsGiveIconsTooltipsAndKeysLabels)
{
    Move(Centre(249));
    EXPECT_EQ(m_kf->GetHoverItem(), 0);
    EXPECT_NE(Pm().GetTooltipCtrlID(), kId) << "no text, no tooltip";

    m_kf->SetItemDesc(249, "My computer");
    Move(CPoint(Centre(249).x + 1, Centre(249).y));
    EXPECT_EQ(Pm().GetTooltipCtrlID(), kId);
    EXPECT_EQ(m_kf->GetTooltip(), "My computer");
    Move(CPoint(kOrigin.x + 46, kOrigin.y + 10)); // the gap after the icon
    EXPECT_EQ(m_kf->GetHoverItem(), -1);
    EXPECT_NE(Pm().GetTooltipCtrlID(), kId);

    m_kf->SetItemDesc(4, "Key A");
    KeyFuncItem a;
    m_kf->GetItem(IndexOf(4), a);
    EXPECT_EQ(a.text, "Key A");
    Move(Centre(4));
    EXPECT_NE(Pm().GetTooltipCtrlID(), kId) << "keys show no tooltip";
}

TEST_F(KeyFuncControlTest, HandCursorOverItemsOnly)
{
    Move(Centre(44));
    EXPECT_EQ(headless::GetCurrentCursor(), IDC_HAND);
    Move(CPoint(kOrigin.x + 50, kOrigin.y + 50));
    EXPECT_EQ(headless::GetCurrentCursor(), IDC_ARROW);
}

TEST_F(KeyFuncControlTest, ItemsDrawTheSliceOfTheirState)
{
    WriteSkinPng("img_customkey.png", 108, 28,
        [](int x, int) -> uint32_t { return x < 36 ? 0xFFFF0000 : x < 72 ? 0xFF00FF00 : 0xFF0000FF; });
    ASSERT_TRUE(m_kf->SetImage("img_customkey.png", 3));
    m_kf->SetItemCheckByItemData(41, 0, 0);
    Move(Corner(58));
    Flush();
    EXPECT_EQ(Pixel(Corner(4).x, Corner(4).y), 0xFFFF0000u) << "normal";
    EXPECT_EQ(Pixel(Corner(58).x, Corner(58).y), 0xFF00FF00u) << "hovered";
    EXPECT_EQ(Pixel(Corner(41).x, Corner(41).y), 0xFF0000FFu) << "checked";
    // Wide items (the 224-pixel space bar) and the two-row keypad keys take the slice over
    // their whole rect.
    CRect space = kItems[IndexOf(44)].rect;
    EXPECT_EQ(Pixel(kOrigin.x + space.left + 2, kOrigin.y + space.bottom - 2), 0xFFFF0000u);
    EXPECT_EQ(Pixel(kOrigin.x + space.right - 3, kOrigin.y + space.top + 2), 0xFFFF0000u);
    CRect plus = kItems[IndexOf(87)].rect;
    EXPECT_EQ(Pixel(kOrigin.x + plus.left + 3, kOrigin.y + plus.bottom - 3), 0xFFFF0000u);

    headless::MouseDown(m_hwnd, Corner(88).x, Corner(88).y);
    Flush();
    EXPECT_EQ(Pixel(Corner(88).x, Corner(88).y), 0xFF0000FFu) << "pressed";
    headless::MouseUp(m_hwnd, Corner(88).x, Corner(88).y);
    Flush();
}

TEST_F(KeyFuncControlTest, WheelIsSwallowed)
{
    EXPECT_TRUE(m_kf->OnScroll(true, 1, Centre(4)));
}

} // namespace
