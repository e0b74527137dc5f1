#include "ControlTest.h"

#include "lumoui/CLogonEdit.h"
#include "lumoui/MEdit.h"
#include "lumoui/MEditEx.h"
#include "lumoui/MRichEdit.h"
#include "lumoui/PaintManager.h"

#include <memory>

using namespace lumo;

namespace {

class EditTest : public lumotest::ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        OpenDialog();
    }
    MEdit* AddEdit(UINT id, CRect rect, const char* title = "")
    {
        return Add<MEdit>("MEdit", id, rect, title);
    }
};

TEST_F(EditTest, ClickTypeAndEnterSendBeginChangeAndEnd)
{
    MEdit* edit = AddEdit(7, CRect(10, 10, 210, 40), "old");
    Click(50, 25);
    EXPECT_TRUE(edit->IsEditing());
    EXPECT_TRUE(headless::IsTextInputOn());
    EXPECT_EQ(m_dlg->GetPaintManager().GetCurrentCaretObject(), edit);
    EXPECT_EQ(Codes(), (std::vector<UINT> { NOTIFY_PRESS, NOTIFY_EDITBEGIN, NOTIFY_CLICK }));
    m_dlg->m_notes.clear();

    // The whole text was selected, so typing replaces it.
    Type("né");
    EXPECT_EQ(edit->GetEditText(), "né");
    EXPECT_EQ(Codes(), (std::vector<UINT> { NOTIFY_TEXTCHANGED, NOTIFY_TEXTCHANGED }));
    Key(VK_RETURN);
    EXPECT_FALSE(edit->IsEditing());
    EXPECT_FALSE(headless::IsTextInputOn());
    EXPECT_EQ(m_dlg->GetPaintManager().GetCurrentCaretObject(), nullptr);
    EXPECT_EQ(m_dlg->m_notes.back().code, NOTIFY_EDITEND);
    EXPECT_EQ(m_dlg->m_notes.back().id, 7u);
    EXPECT_EQ(m_dlg->Count(NOTIFY_EDITEND), 1);
    EXPECT_EQ(edit->GetTitle(), "né");
}

TEST_F(EditTest, EscapeGivesTheOldTextBack)
{
    MEdit* edit = AddEdit(1, CRect(10, 10, 210, 40), "keep");
    Click(50, 25);
    Type("gone");
    m_dlg->m_notes.clear();
    Key(VK_ESCAPE);
    EXPECT_EQ(edit->GetTitle(), "keep");
    EXPECT_EQ(Codes(), (std::vector<UINT> { NOTIFY_TEXTCHANGED, NOTIFY_EDITEND }));
}

TEST_F(EditTest, FocusLossEndsTheEditOnce)
{
    MEdit* first = AddEdit(1, CRect(10, 10, 210, 40), "a");
    MEdit* second = AddEdit(2, CRect(10, 50, 210, 80), "b");
    Click(50, 25);
    Click(50, 65);
    EXPECT_FALSE(first->IsEditing());
    EXPECT_TRUE(second->IsEditing());
    ASSERT_EQ(m_dlg->Count(NOTIFY_EDITEND), 1);
    // Losing the window's keyboard focus ends the second one.
    headless::Focus(m_hwnd, false);
    Flush();
    EXPECT_FALSE(second->IsEditing());
    EXPECT_EQ(m_dlg->Count(NOTIFY_EDITEND), 2);
    // A press on empty space of the dialog takes the focus away as well.
    headless::Focus(m_hwnd, true);
    Click(50, 25);
    Click(300, 200);
    EXPECT_FALSE(first->IsEditing());
    EXPECT_EQ(m_dlg->Count(NOTIFY_EDITEND), 3);
}

TEST_F(EditTest, SpaceOnAFocusedEditPressesAndOpensWithoutTypingTheSpace)
{
    MEdit* edit = AddEdit(3, CRect(10, 10, 210, 40), "text");
    m_dlg->SetFocusControl(edit);
    headless::KeyDown(VK_SPACE);
    headless::Text(" ");
    headless::KeyUp(VK_SPACE);
    Flush();
    EXPECT_TRUE(edit->IsEditing());
    EXPECT_EQ(edit->GetEditText(), "text");
    EXPECT_EQ(Codes(), (std::vector<UINT> { NOTIFY_PRESS, NOTIFY_EDITBEGIN }));
    // The next space is typed as usual.
    Type(" ");
    EXPECT_EQ(edit->GetEditText(), " ");
}

TEST_F(EditTest, ReadOnlyAndDisabledEditsNeverOpen)
{
    MEdit* ro = AddEdit(1, CRect(10, 10, 210, 40), "ro");
    ro->SetReadOnly(true);
    MEdit* off = AddEdit(2, CRect(10, 50, 210, 80), "off");
    off->SetEnabled(false);
    Click(50, 25);
    EXPECT_FALSE(ro->IsEditing());
    EXPECT_EQ(Codes(), (std::vector<UINT> { NOTIFY_PRESS, NOTIFY_CLICK }));
    m_dlg->m_notes.clear();
    Click(50, 65);
    off->ShowEdit();
    EXPECT_FALSE(off->IsEditing());
    EXPECT_TRUE(m_dlg->m_notes.empty());
}

TEST_F(EditTest, LimitAndDigitsOnlyFilterWhatIsTyped)
{
    MEdit* edit = AddEdit(1, CRect(10, 10, 210, 40));
    edit->SetLimitText(5);
    edit->SetNumberOnly(true);
    Click(50, 25);
    Type("12a3.45678");
    EXPECT_EQ(edit->GetEditText(), "12345");
    // Refused characters change nothing and tell nobody.
    EXPECT_EQ(m_dlg->Count(NOTIFY_TEXTCHANGED), 5);
}

TEST_F(EditTest, KeysMoveAndSelectAcrossMultiByteCharacters)
{
    MEdit* edit = AddEdit(1, CRect(10, 10, 210, 40), "a中😀b");
    Click(50, 25);
    Key(VK_HOME);
    Key(VK_RIGHT);
    Chord(VK_SHIFT, VK_RIGHT);
    Chord(VK_SHIFT, VK_RIGHT);
    EXPECT_EQ(edit->GetEditor().Model().GetSelectedText(), "中😀");
    Key(VK_BACK);
    EXPECT_EQ(edit->GetEditText(), "ab");
    Key(VK_END);
    Key(VK_LEFT);
    Type("文");
    EXPECT_EQ(edit->GetEditText(), "a文b");
    Key(VK_DELETE);
    EXPECT_EQ(edit->GetEditText(), "a文");
    // Ctrl+Z takes the last step back.
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(edit->GetEditText(), "a文b");
}

TEST_F(EditTest, ClipboardCopyCutAndPasteRespectTheLimit)
{
    MEdit* edit = AddEdit(1, CRect(10, 10, 210, 40), "copy me");
    edit->SetLimitText(9);
    Click(50, 25);
    Chord(VK_CONTROL, 'C');
    EXPECT_EQ(GetClipboardText(), "copy me");
    Chord(VK_CONTROL, 'X');
    EXPECT_EQ(edit->GetEditText(), "");
    SetClipboardText("pasted text\nsecond line");
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(edit->GetEditText(), "pasted te");
    Chord(VK_CONTROL, 'A');
    Chord(VK_SHIFT, VK_DELETE);
    EXPECT_EQ(GetClipboardText(), "pasted te");
    EXPECT_EQ(edit->GetEditText(), "");
}

TEST_F(EditTest, PasswordShowsMaskCharactersAndKeepsTheTextOffTheClipboard)
{
    MEdit* secret = AddEdit(1, CRect(10, 10, 210, 40), "abc");
    secret->EnablePassWord(true);
    AddEdit(2, CRect(10, 50, 210, 80), "***");
    AddEdit(3, CRect(10, 90, 210, 120), "abc");
    Flush();
    // The masked field looks exactly like a plain field showing the mask, not like the text.
    int differences = 0;
    for (int y = 10; y < 40; ++y) {
        for (int x = 10; x < 210; ++x) {
            ASSERT_EQ(headless::GetPixel(m_hwnd, x, y), headless::GetPixel(m_hwnd, x, y + 40))
                << x << "," << y;
            differences += headless::GetPixel(m_hwnd, x, y) != headless::GetPixel(m_hwnd, x, y + 80);
        }
    }
    EXPECT_GT(differences, 20);
    SetClipboardText("before");
    Click(50, 25);
    Chord(VK_CONTROL, 'C');
    Chord(VK_CONTROL, 'X');
    EXPECT_EQ(GetClipboardText(), "before");
    EXPECT_EQ(secret->GetEditText(), "abc");
}

TEST_F(EditTest, CompositionShowsUntilCommittedAndCommitsOnce)
{
    MEdit* edit = AddEdit(1, CRect(10, 10, 210, 40), "x");
    Click(50, 25);
    Key(VK_END);
    m_dlg->m_notes.clear();
    auto field = [&] {
        std::vector<ARGB> pixels;
        for (int x = 16; x < 200; ++x) {
            for (int y = 12; y < 38; ++y) {
                pixels.push_back(headless::GetPixel(m_hwnd, x, y));
            }
        }
        return pixels;
    };
    auto before = field();
    headless::Composition("zhong", 5);
    Flush();
    EXPECT_NE(field(), before) << "the composition is drawn in the field";
    EXPECT_EQ(edit->GetEditor().GetComposition(), "zhong");
    EXPECT_EQ(edit->GetEditText(), "x");
    EXPECT_TRUE(m_dlg->m_notes.empty());
    // Keys belong to the input method while it composes.
    Key(VK_BACK);
    EXPECT_EQ(edit->GetEditText(), "x");
    headless::Text("中");
    Flush();
    EXPECT_EQ(edit->GetEditor().GetComposition(), "");
    EXPECT_EQ(edit->GetEditText(), "x中");
    EXPECT_EQ(Codes(), (std::vector<UINT> { NOTIFY_TEXTCHANGED }));
    // A cancelled composition leaves the text alone.
    headless::Composition("wen", 3);
    headless::Composition("", 0);
    Flush();
    EXPECT_EQ(edit->GetEditText(), "x中");
}

TEST_F(EditTest, MouseDragSelectsAndAPressPlacesTheCaret)
{
    MEdit* edit = AddEdit(1, CRect(10, 10, 310, 40), "drag over this");
    Click(300, 25); // opens with everything selected
    headless::MouseDown(m_hwnd, 12, 25);
    headless::MouseMove(m_hwnd, 305, 25);
    headless::MouseUp(m_hwnd, 305, 25);
    Flush();
    EXPECT_EQ(edit->GetEditor().Model().GetSelectedText(), "drag over this");
    Click(12, 25);
    EXPECT_FALSE(edit->GetEditor().Model().HasSelection());
    EXPECT_EQ(edit->GetEditor().Model().GetCaret(), 0u);
}

TEST_F(EditTest, IconReleaseEndsTheEditAndSendsEditButton)
{
    WriteSkinPng("icon.png", 64, 16, [](int, int) -> uint32_t { return 0xFFFF0000; });
    MEdit* edit = AddEdit(1, CRect(10, 10, 210, 40), "t");
    ASSERT_TRUE(edit->SetIconImage("icon.png", 4));
    EXPECT_EQ(edit->GetIconRect(), CRect(185, 17, 201, 33));
    EXPECT_LE(edit->GetTextRect().right, 185);
    Click(50, 25);
    m_dlg->m_notes.clear();
    Click(190, 25);
    EXPECT_FALSE(edit->IsEditing());
    EXPECT_EQ(Codes(), (std::vector<UINT> { NOTIFY_EDITEND, NOTIFY_EDITBUTTON }));
}

TEST_F(EditTest, TitleCallsAndEditText)
{
    MEdit* edit = AddEdit(1, CRect(10, 10, 210, 40), "first");
    Click(50, 25);
    Type("typed");
    // Setting the title while editing puts it into the editor.
    edit->SetTitle("set");
    EXPECT_EQ(edit->GetEditText(), "set");
    // SetEditText changes only the stored text.
    edit->SetEditText("stored");
    EXPECT_EQ(edit->GetEditor().GetText(), "set");
    m_dlg->m_notes.clear();
    // Reading the title ends the edit first.
    EXPECT_EQ(edit->GetControlTitle(), "set");
    EXPECT_FALSE(edit->IsEditing());
    EXPECT_EQ(Codes(), (std::vector<UINT> { NOTIFY_EDITEND }));
}

TEST_F(EditTest, HidingOrDisablingWhileEditingEndsTheEdit)
{
    MEdit* edit = AddEdit(1, CRect(10, 10, 210, 40), "t");
    Click(50, 25);
    edit->SetEnabled(false);
    EXPECT_FALSE(edit->IsEditing());
    edit->SetEnabled(true);
    Click(50, 25);
    edit->SetVisible(false);
    EXPECT_FALSE(edit->IsEditing());
    EXPECT_FALSE(headless::IsTextInputOn());
    EXPECT_EQ(m_dlg->Count(NOTIFY_EDITEND), 2);
}

TEST_F(EditTest, AnEditInsideAContainerKeepsEditingWhilePressedInside)
{
    lumotest::TestControl* box = m_dlg->Add(1, CRect(0, 0, 300, 200));
    auto* edit = static_cast<MEdit*>(box->CreateChild("MEdit", 3, CRect(10, 10, 210, 40)));
    ASSERT_NE(edit, nullptr);
    edit->SetTitle("inside");
    m_dlg->GetPaintManager().Invalidate();
    Click(50, 25);
    ASSERT_TRUE(edit->IsEditing());
    Click(14, 25);
    EXPECT_TRUE(edit->IsEditing());
    EXPECT_EQ(edit->GetEditor().Model().GetCaret(), 0u);
    EXPECT_EQ(m_dlg->Count(NOTIFY_EDITEND), 0);
    // Typing reaches the nested editor; a press on the container beside it ends the edit.
    Type("x");
    EXPECT_EQ(edit->GetEditText(), "xinside");
    Click(150, 150);
    EXPECT_FALSE(edit->IsEditing());
    EXPECT_EQ(m_dlg->Count(NOTIFY_EDITEND), 1);
}

TEST_F(EditTest, OpeningAnEditorEndsTheOneOpenElsewhere)
{
    MEdit* first = AddEdit(1, CRect(10, 10, 210, 40), "a");
    MEdit* second = AddEdit(2, CRect(10, 50, 210, 80), "b");
    Click(50, 25);
    second->ShowEdit();
    EXPECT_FALSE(first->IsEditing());
    EXPECT_TRUE(second->IsEditing());
    EXPECT_EQ(m_dlg->GetPaintManager().GetFocusControl(), second);
    EXPECT_EQ(m_dlg->GetPaintManager().GetTextInputControl(), second);
    Type("z");
    EXPECT_EQ(first->GetEditText(), "a");
    EXPECT_EQ(second->GetEditText(), "z");
}

TEST_F(EditTest, MultiLineEditTakesEnterAsANewLine)
{
    MEdit* edit = AddEdit(1, CRect(10, 10, 210, 100), "one");
    edit->EnableMultLine(true);
    Click(50, 25);
    Key(VK_END);
    Key(VK_RETURN);
    Type("two");
    EXPECT_TRUE(edit->IsEditing());
    EXPECT_EQ(edit->GetEditText(), "one\ntwo");
    EXPECT_EQ(m_dlg->Count(NOTIFY_EDITEND), 0);
}

TEST_F(EditTest, FrameSlicesFollowTheState)
{
    WriteSkinPng("edit.png", 160, 32, [](int x, int) -> uint32_t {
        static const uint32_t kColors[] = { 0xFF101010, 0xFF202020, 0xFF303030, 0xFF404040 };
        return kColors[x / 40];
    });
    MEdit* edit = AddEdit(1, CRect(10, 10, 210, 40));
    ASSERT_TRUE(edit->SetImage("edit.png", 4));
    Flush();
    EXPECT_EQ(headless::GetPixel(m_hwnd, 200, 20), 0xFF101010u);
    headless::MouseMove(m_hwnd, 200, 20);
    Flush();
    EXPECT_EQ(headless::GetPixel(m_hwnd, 200, 20), 0xFF202020u);
    Click(200, 20);
    EXPECT_EQ(headless::GetPixel(m_hwnd, 200, 20), 0xFF303030u);
    Key(VK_RETURN);
    edit->SetEnabled(false);
    Flush();
    EXPECT_EQ(headless::GetPixel(m_hwnd, 200, 20), 0xFF404040u);
}

} // namespace

namespace {

class RichEditTest : public EditTest {
protected:
    MRichEdit* AddRich(CRect rect, const char* text) { return Add<MRichEdit>("MRichEdit", 9, rect, text); }
    static size_t Caret(MRichEdit* rich) { return rich->GetEditor().Model().GetCaret(); }
};

TEST_F(RichEditTest, PressPlacesTheCaretAndKeysWalkTheLines)
{
    MRichEdit* rich = AddRich(CRect(10, 10, 310, 150), "same text\nab\nsame text");
    Click(14, 16);
    EXPECT_TRUE(rich->IsEditing());
    EXPECT_EQ(Codes(), (std::vector<UINT> { NOTIFY_PRESS, NOTIFY_CLICK }));
    EXPECT_EQ(Caret(rich), 0u);
    Key(VK_END);
    EXPECT_EQ(Caret(rich), 9u);
    // Down keeps to its column where it can: "ab" is shorter, so the caret ends that line,
    // and the next line has the column again.
    Key(VK_DOWN);
    EXPECT_EQ(Caret(rich), 12u);
    Key(VK_DOWN);
    EXPECT_EQ(Caret(rich), 22u);
    Key(VK_HOME);
    EXPECT_EQ(Caret(rich), 13u);
    Key(VK_DOWN); // past the last line: the end
    EXPECT_EQ(Caret(rich), 22u);
    Key(VK_HOME);
    Key(VK_UP);
    EXPECT_EQ(Caret(rich), 10u);
    Key(VK_RETURN);
    Type("new");
    EXPECT_EQ(rich->GetTitle(), "same text\n\nnewab\nsame text");
    // Escape and focus loss end the editing, the text stays.
    Key(VK_ESCAPE);
    EXPECT_FALSE(rich->IsEditing());
    EXPECT_EQ(rich->GetTitle(), "same text\n\nnewab\nsame text");
}

TEST_F(RichEditTest, LongLinesWrapAndDownMovesWithinThem)
{
    std::string text;
    for (int i = 0; i < 30; ++i) {
        text += "word ";
    }
    MRichEdit* rich = AddRich(CRect(10, 10, 160, 150), text.c_str());
    Click(14, 16);
    Key(VK_DOWN);
    EXPECT_GT(Caret(rich), 0u);
    EXPECT_LT(Caret(rich), text.size());
    // End stays on the wrapped line instead of jumping to the end of the text.
    Key(VK_END);
    EXPECT_LT(Caret(rich), text.size());
}

TEST_F(RichEditTest, ReadOnlyTextCanBeSelectedAndCopiedButNotChanged)
{
    MRichEdit* rich = AddRich(CRect(10, 10, 310, 150), "look, don't touch");
    rich->SetReadOnly(true);
    Click(14, 16);
    Type("x");
    Key(VK_BACK);
    Chord(VK_CONTROL, 'A');
    Chord(VK_CONTROL, 'C');
    Chord(VK_CONTROL, 'X');
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(rich->GetTitle(), "look, don't touch");
    EXPECT_EQ(GetClipboardText(), "look, don't touch");
}

TEST_F(RichEditTest, WheelScrollsLongText)
{
    std::string text;
    for (int i = 0; i < 40; ++i) {
        text += "line " + std::to_string(i) + "\n";
    }
    AddRich(CRect(10, 10, 310, 110), text.c_str());
    Flush();
    auto row = [&] {
        std::vector<ARGB> pixels;
        for (int y = 14; y < 40; ++y) {
            for (int x = 14; x < 80; ++x) {
                pixels.push_back(headless::GetPixel(m_hwnd, x, y));
            }
        }
        return pixels;
    };
    auto before = row();
    headless::Wheel(m_hwnd, 100, 50, -WHEEL_DELTA);
    Flush();
    EXPECT_NE(row(), before);
    headless::Wheel(m_hwnd, 100, 50, WHEEL_DELTA);
    Flush();
    EXPECT_EQ(row(), before);
}

TEST_F(EditTest, FlatAndLogonEditsDrawTheirOwnFrames)
{
    auto* flat = Add<MEditEx>("MEditEx", 1, CRect(10, 10, 210, 40), "");
    ASSERT_NE(flat, nullptr);
    flat->SetBorderColor(0xFF112233, 0xFF445566, 0xFF778899);
    EXPECT_EQ(m_dlg->CreateControl("CLogonEdit", 2, CRect(10, 50, 210, 80), "", 1, 1), nullptr);
    auto* logon = new CLogonEdit(m_dlg.get(), 2, CRect(10, 50, 210, 80), "", 1, 1);
    Attach(logon);
    EXPECT_GE(logon->GetTextRect().left, 10 + 30);
    Flush();
    EXPECT_EQ(headless::GetPixel(m_hwnd, 10, 25), 0xFF112233u);
    Click(100, 25);
    EXPECT_EQ(headless::GetPixel(m_hwnd, 10, 25), 0xFF778899u);
    Click(100, 65);
    EXPECT_TRUE(logon->IsEditing());
    EXPECT_FALSE(flat->IsEditing());
}

} // namespace
