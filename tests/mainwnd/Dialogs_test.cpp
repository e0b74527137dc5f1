#include "MainWndRig.h"

#include "lumoui/CRadioButton.h"
#include "lumoui/MButton.h"
#include "lumoui/MText.h"
#include "lumoui/WindowApi.h"
#include "mainwnd/CUIMessageBox.h"
#include "mainwnd/CloseWindowTipDlg.h"
#include "mainwnd/WaitDlg.h"
#include "platform/Settings.h"

namespace clavora::test {

namespace {

using lumo::CRect;

lumo::MDialog* DialogOf(lumo::HWND hwnd)
{
    auto* window = reinterpret_cast<lumo::MWindow*>(lumo::GetWindowLongPtrW(hwnd, lumo::GWLP_USERDATA));
    return dynamic_cast<lumo::MDialog*>(window);
}

std::string TitleOf(lumo::MDialog* dialog, lumo::UINT id)
{
    auto* control = dialog ? dynamic_cast<lumo::MControlFont*>(dialog->GetControl(id)) : nullptr;
    return control ? control->GetTitle() : "<none>";
}

} // namespace

class DialogsTest : public MainWndTest { };

TEST_F(DialogsTest, MessageBoxButtonsAndResults)
{
    struct Case {
        int style;
        const char* pressed; // "ok", "cancel", or a WM_CLOSE wParam from outside
        lumo::WPARAM closeParam;
        int want;
        std::vector<std::string> buttons;
    } cases[] = {
        { kMessageBoxOk, "ok", 0, kMessageBoxResultOk, { "OK" } },
        { kMessageBoxOkCancel, "ok", 0, kMessageBoxResultOk, { "OK", "Cancel" } },
        { kMessageBoxOkCancel, "cancel", 0, kMessageBoxResultCancel, { "OK", "Cancel" } },
        { kMessageBoxOkCancel, "outside", 2, kMessageBoxResultCancel, { "OK", "Cancel" } },
        // A box ended any other way is never taken for OK.
        { kMessageBoxOk, "outside", 0, kMessageBoxResultCancel, { "OK" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pressed) + " on style " + std::to_string(c.style));
        std::vector<std::string> seen;
        m_driver->Post([&] {
            const lumo::HWND box = FindPopup(CUIMessageBox::kWindowTitle);
            ASSERT_NE(box, nullptr);
            lumo::MDialog* dialog = DialogOf(box);
            EXPECT_EQ(TitleOf(dialog, 31), "The title");
            EXPECT_EQ(TitleOf(dialog, 32), "The message");
            for (lumo::UINT id : { 33u, 34u }) {
                if (dialog->GetControl(id))
                    seen.push_back(TitleOf(dialog, id));
            }
            const std::string pressed = c.pressed;
            if (pressed == "outside")
                lumo::PostMessageW(box, lumo::WM_CLOSE, c.closeParam, 0);
            else if (c.style == kMessageBoxOk)
                ClickAt(box, 190, 175);
            else
                ClickAt(box, pressed == "ok" ? 120 : 260, 175);
        });
        EXPECT_EQ(ShowMessageBox("The message", nullptr, "The title", c.style), c.want);
        EXPECT_EQ(seen, c.buttons);
        EXPECT_EQ(FindPopup(CUIMessageBox::kWindowTitle), nullptr);
    }
}

TEST_F(DialogsTest, ASecondWaitBoxReplacesTheFirst)
{
    Open();
    size_t boxesWhileSecondShown = 0;
    m_driver->Post([&] {
        EXPECT_TRUE(m_dlg->IsWaitBoxOpen());
        m_driver->Post([&] {
            boxesWhileSecondShown = lumo::FindThreadWindows("LumoClient", WaitDlg::kWindowTitle).size();
            // The worker's close after its task.
            m_dlg->CloseWaitBox();
        }, 6);
        m_dlg->ShowWaitBox();
    });
    m_dlg->ShowWaitBox();
    EXPECT_EQ(boxesWhileSecondShown, 1u);
    EXPECT_FALSE(m_dlg->IsWaitBoxOpen());
    EXPECT_EQ(FindPopup(WaitDlg::kWindowTitle), nullptr);
}

TEST_F(DialogsTest, ClosePromptShowsAndStoresTheChoice)
{
    struct Case {
        const char* stored;
        bool quitChecked;
        const char* action; // "ok", "hide then ok", "outside"
        int want;
    } cases[] = {
        { "2", true, "ok", 2 },
        { "0", false, "ok", 1 },
        { "1", false, "quit then ok", 2 },
        { "2", true, "hide then ok", 1 },
        // Closed without OK: nothing is written.
        { "0", false, "outside", 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.action) + " from " + c.stored);
        WriteSetting(kSettingExitMode, c.stored);
        bool quitChecked = !c.quitChecked;
        m_driver->Post([&] {
            const lumo::HWND prompt = FindPopup(CloseWindowTipDlg::kWindowTitle);
            ASSERT_NE(prompt, nullptr);
            auto* quit = dynamic_cast<lumo::CRadioButton*>(DialogOf(prompt)->GetControl(32));
            ASSERT_NE(quit, nullptr);
            quitChecked = quit->GetCheck();
            const std::string action = c.action;
            if (action == "outside") {
                lumo::PostMessageW(prompt, lumo::WM_CLOSE, 0, 0);
                return;
            }
            if (action == "quit then ok")
                ClickAt(prompt, 40, 110);
            else if (action == "hide then ok")
                ClickAt(prompt, 40, 75);
            ClickAt(prompt, 290, 165);
        });
        CloseWindowTipDlg prompt;
        prompt.Run(nullptr);
        EXPECT_EQ(quitChecked, c.quitChecked);
        EXPECT_EQ(ReadSetting(kSettingExitMode), c.want);
    }
}

} // namespace clavora::test
