// The key page in the whole window over the stand-in keyboard: keys remapped by clicking the
// picture, the key chooser, the key menu and the custom key dialog, then typed on the stand-in
// keyboard and read back from the stand-in virtual device; profiles switched and deleted.

#include "MainWndRig.h"

#include "device/VirtualReports.h"
#include "keys/CustomKeyDlg.h"
#include "lumoui/DListBox.h"
#include "lumoui/Headless.h"
#include "lumoui/KeyFuncControl.h"
#include "lumoui/KeyboardCtrl.h"
#include "mainwnd/CUIMessageBox.h"
#include "mainwnd/ControlIds.h"
#include "mainwnd/PageKit.h"
#include "mainwnd/WaitDlg.h"
#include "store/DataStore.h"

#include <chrono>
#include <map>
#include <set>
#include <thread>

namespace clavora::test {

namespace {

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;
constexpr int kKeyC = 6;
constexpr int kKeyD = 7;
constexpr int kKeyN = 17;
constexpr int kKeyQ = 20;
constexpr int kKeyZ = 29;
constexpr int kSpace = 44;
constexpr int kLeftAlt = 226;
constexpr int kVolumeUp = 234;

// Rows of the key menu: restore, macro, shortcut, disable.
constexpr int kMenuRestore = 0;
constexpr int kMenuShortcut = 2;
constexpr int kMenuDisable = 3;

// The usages a keyboard report holds down.
std::set<int> Held(const VirtualReport& report)
{
    std::set<int> held;
    for (size_t byte = 1; byte < report.bytes.size(); ++byte) {
        for (int bit = 0; bit < 8; ++bit) {
            if (report.bytes[byte] & (1u << bit))
                held.insert(static_cast<int>((byte - 1) * 8) + bit);
        }
    }
    return held;
}

lumo::CPoint Offset(lumo::CPoint a, lumo::CPoint b)
{
    return { a.x + b.x, a.y + b.y };
}

int ConsumerUsage(const VirtualReport& report)
{
    return report.bytes.size() < 2 ? -1 : report.bytes[0] | (report.bytes[1] << 8);
}

} // namespace

class KeyPageFlowTest : public MainWndTest {
protected:
    void SetUp() override
    {
        MainWndTest::SetUp();
        Open();
        RunTasks();
        ASSERT_EQ(m_dlg->GetCurrentPage(), 1);
        ASSERT_EQ(Profiles()->GetItemCount(), 3);
    }

    lumo::HWND Window() const { return m_dlg->GetSafeHwnd(); }
    lumo::KeyboardCtrl* Picture() const { return dynamic_cast<lumo::KeyboardCtrl*>(Control(ctl::kKeyPicture)); }
    lumo::KeyFuncControl* Chooser() const { return dynamic_cast<lumo::KeyFuncControl*>(Control(ctl::kKeyChooser)); }
    lumo::DListBox* Profiles() const { return dynamic_cast<lumo::DListBox*>(Control(ctl::kProfileList)); }
    DataStore& Store() { return m_services->Store(); }

    // The centre of a key of the picture, in window coordinates.
    lumo::CPoint KeyPoint(int usage) const
    {
        for (const lumo::KEY_INFO* key : Picture()->GetKeyItems()) {
            if (static_cast<int>(key->keyValue) == usage) {
                const lumo::CRect rect = Picture()->GetRealRect(key->rect);
                return Offset(Picture()->GetRect().TopLeft(), rect.CenterPoint());
            }
        }
        ADD_FAILURE() << "no key " << usage << " on the picture";
        return {};
    }
    void ClickKey(int usage, bool right = false)
    {
        const lumo::CPoint at = KeyPoint(usage);
        lumo::headless::MouseMove(Window(), at.x, at.y);
        lumo::headless::Click(Window(), at.x, at.y, right);
        Pump();
    }
    // Presses the chooser's item with this code, as the mouse does.
    void Choose(int code)
    {
        lumo::KeyFuncItem item;
        for (int i = 0; Chooser()->GetItem(i, item); ++i) {
            if (item.itemData != code)
                continue;
            const lumo::CPoint at = Offset(Chooser()->GetRect().TopLeft(), item.rect.CenterPoint());
            lumo::headless::MouseMove(Window(), at.x, at.y);
            lumo::headless::Click(Window(), at.x, at.y);
            Pump();
            return;
        }
        ADD_FAILURE() << "no chooser item " << code;
    }
    void ClickProfile(int row)
    {
        const lumo::CPoint at(200, Profiles()->GetRect().top + 32 * row + 16);
        lumo::headless::MouseMove(Window(), at.x, at.y);
        lumo::headless::Click(Window(), at.x, at.y);
        Pump();
    }
    // Runs `action` in whatever modal loop runs once a toolkit window with this title shows.
    void WhenShown(const std::string& title, std::function<void()> action, int tries = 200)
    {
        m_driver->Post(
            [this, title, action, tries] {
                if (FindPopup(title))
                    action();
                else if (tries > 0)
                    WhenShown(title, action, tries - 1);
                else
                    ADD_FAILURE() << title << " never showed";
            },
            0);
    }
    // Right-clicks a key and picks a row of the key menu.
    void MenuOnKey(int usage, int row)
    {
        WhenShown("Menu Window", [this, row] { ClickAt(FindPopup("Menu Window"), 60, 6 + 35 * row + 17); });
        ClickKey(usage, true);
        Pump();
    }

    // Physical keys of the stand-in keyboard, after what the window posted (the key filter's
    // re-arming) has run.
    void Type(std::initializer_list<std::pair<int, bool>> strokes)
    {
        Pump();
        m_services->emulator->Clear();
        for (const auto& [usage, pressed] : strokes)
            ASSERT_TRUE(m_services->emulator->PressKey(usage, pressed));
    }
    // Waits for the reports the key handler writes on its own thread.
    std::vector<VirtualReport> Reports(size_t count)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        std::vector<VirtualReport> reports = m_services->emulator->VirtualReports();
        while (reports.size() < count && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            reports = m_services->emulator->VirtualReports();
        }
        return reports;
    }
    // A tap of A gives exactly a press and a release of `usage`.
    void ExpectATypes(int usage)
    {
        Type({ { kKeyA, true }, { kKeyA, false } });
        const std::vector<VirtualReport> reports = Reports(2);
        ASSERT_EQ(reports.size(), 2u);
        EXPECT_EQ(reports[0].id, vhid::kKeyboardReportId);
        EXPECT_EQ(Held(reports[0]), std::set<int> { usage });
        EXPECT_EQ(reports[1].id, vhid::kKeyboardReportId);
        EXPECT_TRUE(Held(reports[1]).empty());
    }
    KeyAssignment Row(int key)
    {
        KeyAssignment row;
        Store().GetKeyAssignment(m_dlg->GetCurrentProfile(), 0, key, row);
        return row;
    }
};

TEST_F(KeyPageFlowTest, TheChooserOffersEveryKeyAndTheFunctionsByTheirTexts)
{
    // Media and browser codes with the texts that name them.
    const std::map<int, int> functions { { 232, 272 }, { 233, 235 }, { 234, 234 }, { 235, 236 }, { 236, 231 },
        { 237, 232 }, { 238, 230 }, { 239, 233 }, { 240, 271 }, { 241, 273 }, { 242, 270 }, { 243, 276 },
        { 244, 277 }, { 245, 275 }, { 246, 274 }, { 247, 279 }, { 248, 278 }, { 249, 252 } };
    std::map<int, int> counts;
    std::map<std::string, int> codeOf;
    lumo::KeyFuncItem item;
    for (int i = 0; Chooser()->GetItem(i, item); ++i) {
        ++counts[item.itemData];
        codeOf.emplace(item.text, item.itemData);
        if (const auto found = functions.find(item.itemData); found != functions.end())
            EXPECT_EQ(item.text, Text(found->second)) << item.itemData;
        else
            EXPECT_TRUE(item.itemData >= 4 && item.itemData <= 231) << item.text << " " << item.itemData;
    }
    EXPECT_EQ(Chooser()->GetItemCount(), 122);
    EXPECT_EQ(counts.size(), 122u) << "every item has a code of its own";
    EXPECT_EQ(codeOf["A"], 4);
    EXPECT_EQ(codeOf["Space"], 44);
    EXPECT_EQ(codeOf["Esc"], 41);
    EXPECT_EQ(codeOf["Ctrl"], 224);
}

TEST_F(KeyPageFlowTest, AKeyChosenInTheChooserIsWhatTheKeyTypes)
{
    ExpectATypes(kKeyA);

    ClickKey(kKeyA);
    Choose(kKeyB);
    const KeyAssignment row = Row(kKeyA);
    EXPECT_EQ(row.macro_type, kKeyFunctionKey);
    EXPECT_EQ(row.macro_value, kKeyB);
    EXPECT_EQ(row.macro_desc, "B");
    EXPECT_TRUE(Picture()->GetKeyCheck(kKeyA));
    EXPECT_EQ(Chooser()->GetItemCount(), 122);
    ExpectATypes(kKeyB);
}

TEST_F(KeyPageFlowTest, ADisabledKeyTypesNothing)
{
    // D types C: its events travel the same way as A's, after them.
    ClickKey(kKeyD);
    Choose(kKeyC);
    MenuOnKey(kKeyA, kMenuDisable);
    EXPECT_EQ(Row(kKeyA).macro_type, kKeyFunctionDisabled);

    Type({ { kKeyA, true }, { kKeyA, false }, { kKeyD, true }, { kKeyD, false } });
    const std::vector<VirtualReport> reports = Reports(2);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(Held(reports[0]), std::set<int> { kKeyC });
    EXPECT_TRUE(Held(reports[1]).empty());
}

TEST_F(KeyPageFlowTest, VolumeUpIsAConsumerUsageWhileTheKeyIsHeld)
{
    ClickKey(kKeyA);
    Choose(kVolumeUp);
    EXPECT_EQ(Row(kKeyA).macro_desc, Text(234));

    Type({ { kKeyA, true } });
    std::vector<VirtualReport> reports = Reports(1);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].id, vhid::kConsumerReportId);
    EXPECT_EQ(ConsumerUsage(reports[0]), 0xE9);
    ASSERT_TRUE(m_services->emulator->PressKey(kKeyA, false));
    reports = Reports(2);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1].id, vhid::kConsumerReportId);
    EXPECT_EQ(ConsumerUsage(reports[1]), 0);
}

TEST_F(KeyPageFlowTest, ShortcutFourteenFromTheCustomKeyDialog)
{
    // In the dialog: open the choices, take the fourteenth, OK.
    WhenShown(CustomKeyDlg::kWindowTitle, [this] {
        const lumo::HWND dialog = FindPopup(CustomKeyDlg::kWindowTitle);
        ClickAt(dialog, 300, 194);
        WhenShown("ComboWnd", [this, dialog] {
            lumo::headless::KeyDown(lumo::VK_END);
            lumo::headless::KeyDown(lumo::VK_UP);
            lumo::headless::KeyDown(lumo::VK_RETURN);
            m_driver->Post([this, dialog] { ClickAt(dialog, CustomKeyDlg::kWidth - 85, CustomKeyDlg::kHeight - 40); });
        });
    });
    MenuOnKey(kKeyA, kMenuShortcut);
    EXPECT_EQ(FindPopup(CustomKeyDlg::kWindowTitle), nullptr);
    const KeyAssignment row = Row(kKeyA);
    EXPECT_EQ(row.macro_type, kKeyFunctionShortcut);
    EXPECT_EQ(row.macro_value, 14);
    EXPECT_EQ(row.macro_desc, Text(714));

    // Alt, Space, N down; N, Space, Alt up; then everything released.
    Type({ { kKeyA, true }, { kKeyA, false } });
    const std::vector<VirtualReport> reports = Reports(10);
    ASSERT_GE(reports.size(), 7u);
    const std::vector<std::set<int>> expected { { kLeftAlt }, { kLeftAlt, kSpace }, { kLeftAlt, kSpace, kKeyN },
        { kLeftAlt, kSpace }, { kLeftAlt }, {} };
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(reports[i].id, vhid::kKeyboardReportId) << i;
        EXPECT_EQ(Held(reports[i]), expected[i]) << i;
    }
}

TEST_F(KeyPageFlowTest, AMacroWithoutEventsIsRefusedAndCancelKeepsTheKey)
{
    ClickKey(kKeyA);
    Choose(kKeyB);
    Store().CreateMacro("Macro 1");
    bool refused = false;
    WhenShown(CustomKeyDlg::kWindowTitle, [&] {
        const lumo::HWND dialog = FindPopup(CustomKeyDlg::kWindowTitle);
        WhenShown(CUIMessageBox::kWindowTitle, [&, dialog] {
            refused = true;
            ClickAt(FindPopup(CUIMessageBox::kWindowTitle), 190, 175);
            // Still open after the message; its close button cancels.
            m_driver->Post([this, dialog] { ClickAt(dialog, CustomKeyDlg::kWidth - 33, 27); });
        });
        ClickAt(dialog, CustomKeyDlg::kWidth - 85, CustomKeyDlg::kHeight - 40);
    });
    MenuOnKey(kKeyA, 1);
    EXPECT_TRUE(refused);
    EXPECT_EQ(FindPopup(CustomKeyDlg::kWindowTitle), nullptr);
    EXPECT_EQ(Row(kKeyA).macro_value, kKeyB);
    ExpectATypes(kKeyB);
}

TEST_F(KeyPageFlowTest, RestoringTheDefaultTypesTheKeyAgain)
{
    ClickKey(kKeyA);
    Choose(kKeyB);
    ExpectATypes(kKeyB);
    MenuOnKey(kKeyA, kMenuRestore);
    EXPECT_EQ(Row(kKeyA).key_id, 0);
    EXPECT_FALSE(Picture()->GetKeyCheck(kKeyA));
    ExpectATypes(kKeyA);
}

TEST_F(KeyPageFlowTest, SwitchingProfilesSwitchesWhatTheKeysDo)
{
    const int first = m_dlg->GetCurrentProfile();
    ClickKey(kKeyA);
    Choose(kKeyB);
    ClickProfile(1);
    const int second = m_dlg->GetCurrentProfile();
    ASSERT_NE(second, first);
    EXPECT_FALSE(Picture()->GetKeyCheck(kKeyA)) << "the second profile has no assignments yet";
    ExpectATypes(kKeyA);
    ClickKey(kKeyA);
    Choose(kKeyC);
    ExpectATypes(kKeyC);

    ClickProfile(0);
    EXPECT_EQ(Store().GetActiveProfile(), first);
    EXPECT_TRUE(Picture()->GetKeyCheck(kKeyA));
    ExpectATypes(kKeyB);
    ClickProfile(1);
    EXPECT_EQ(Store().GetActiveProfile(), second);
    ExpectATypes(kKeyC);
}

TEST_F(KeyPageFlowTest, DeletingAProfileWritesTheCurrentOneIntoTheKeyboard)
{
    ClickProfile(1);
    const int second = m_dlg->GetCurrentProfile();
    ClickKey(kKeyA);
    Choose(kKeyB);
    MenuOnKey(kKeyZ, kMenuDisable);
    KeyAssignment shortcut;
    shortcut.profile = second;
    shortcut.key_code = kKeyQ;
    shortcut.macro_type = kKeyFunctionShortcut;
    shortcut.macro_value = 14;
    Store().SaveKeyAssignment(shortcut);
    ClickProfile(2);
    const int third = m_dlg->GetCurrentProfile();

    // Confirm, then let the worker write the keyboard while the wait box shows.
    bool waited = false;
    WhenShown(CUIMessageBox::kWindowTitle, [&] {
        ClickAt(FindPopup(CUIMessageBox::kWindowTitle), 120, 175);
        WhenShown(WaitDlg::kWindowTitle, [&] {
            waited = true;
            for (int i = 0; i < 50 && !m_dlg->GetTaskQueue().IsEmpty(); ++i)
                m_dlg->RunWorkerCycle();
        });
    });
    ClickAt(Window(), 160, 75); // the delete button
    Pump();
    EXPECT_TRUE(waited);
    EXPECT_EQ(FindPopup(WaitDlg::kWindowTitle), nullptr);
    EXPECT_EQ(Profiles()->GetItemCount(), 2);
    EXPECT_EQ(Profiles()->GetCurSel(), 1);
    EXPECT_EQ(m_dlg->GetCurrentProfile(), second);
    std::string name;
    EXPECT_FALSE(Store().GetProfileName(third, name));

    const KeyboardState state = m_services->emulator->State();
    EXPECT_EQ(state.remap_slots[0].key, kKeyA);
    EXPECT_EQ(state.remap_slots[0].value, kKeyB);
    EXPECT_EQ(state.remap_slots[1].key, kKeyZ);
    EXPECT_EQ(state.remap_slots[1].value, 1);
    EXPECT_EQ(state.remap_slots[2].key, 0);
    EXPECT_EQ(state.macro_slots[0].key, kKeyQ);
    ASSERT_EQ(state.macro_slots[0].events.size(), 6u);
    EXPECT_EQ(state.macro_slots[0].events[2].usage, kKeyN);
    EXPECT_EQ(state.macro_slots[1].key, 0);
    // The profile shown is the one the keys perform.
    ExpectATypes(kKeyB);
}

} // namespace clavora::test
