#include "mainwnd/MacroPage.h"

#include "lumoui/CArea.h"
#include "lumoui/CImageButton.h"
#include "lumoui/CRecordList.h"
#include "lumoui/CRadioButton.h"
#include "lumoui/MButton.h"
#include "lumoui/MComboBox.h"
#include "lumoui/MEdit.h"
#include "lumoui/MTabLayout.h"
#include "mainwnd/ControlIds.h"
#include "mainwnd/KeyboardDef.h"
#include "mainwnd/PageKit.h"

#include <array>

namespace clavora {

namespace {

using lumo::CRect;
using lumo::UINT;

constexpr lumo::ARGB kHeaderColour = 0xFFADADAD;

constexpr int kTextListCaption = 300;
constexpr int kTextEventType = 336;
constexpr std::array<int, 3> kTextEventKinds { 319, 320, 321 };
constexpr int kTextInsert = 322;
// 217 new, 218 delete, 219 copy, 220 import, 221 export, 222 rename.
constexpr std::array<int, 6> kTextListButtons { 301, 302, 303, 305, 306, 310 };
constexpr int kTextPlayCount = 311;
constexpr int kTextDelay = 312;
constexpr std::array<int, 3> kTextDelayKinds { 313, 314, 315 };
constexpr int kTextRecordStart = 317;
constexpr int kTextRecordStop = 318;
constexpr int kTextEventListCaption = 333;
// Tooltips of 234 time, 235 up, 236 down, 237 delete.
constexpr std::array<int, 4> kTextEventButtons { 325, 326, 327, 328 };
constexpr std::array<int, 3> kTextHeaders { 323, 324, 325 };
constexpr int kTextSave = 329;
constexpr std::array<int, 3> kTextMouseButtons { 307, 308, 309 };

constexpr std::array<const char*, 4> kEventButtonImages { "btn_record_time.png", "btn_record_up.png",
    "btn_record_down.png", "btn_record_del.png" };

// Event types of recorded events: 2 pressed, 3 released (the event list's own words).
constexpr long kEventPressed = 2;
constexpr long kEventReleased = 3;

constexpr const char* kDefaultPlayCount = "1";
constexpr const char* kDefaultFixedDelay = "10";

} // namespace

MacroPage::MacroPage(KeyboardDlg& dlg, MacroPageControls& controls)
    : m_dlg(dlg)
    , m_c(controls)
{
}

void MacroPage::Build(lumo::MTabLayout* page)
{
    BuildList(page);
    BuildEventEditor(page);
    BuildPlaySettings(page);
    BuildEventList(page);
    FillLists();
}

void MacroPage::BuildList(lumo::MTabLayout* page)
{
    m_c.listBack = MakeArea(page, ctl::kMacroListBack, 70);
    m_c.listCaption = MakeLabel(page, ctl::kMacroListCaption, Text(kTextListCaption), 16);
    m_c.list = MakeNameList(page, ctl::kMacroList);
    for (size_t i = 0; i < m_c.listButtons.size(); ++i)
        m_c.listButtons[i] = MakeApplyButton(page, ctl::kMacroNew + static_cast<UINT>(i), Text(kTextListButtons[i]));
}

void MacroPage::BuildEventEditor(lumo::MTabLayout* page)
{
    m_c.eventTypeLabel = MakeLabel(page, ctl::kEventTypeLabel, Text(kTextEventType), 16);
    for (size_t i = 0; i < m_c.eventKinds.size(); ++i)
        m_c.eventKinds[i] = MakeRadio(page, ctl::kEventKindKey + static_cast<UINT>(i), Text(kTextEventKinds[i]), "MACRO_EVENT");
    if (m_c.eventKinds[0])
        m_c.eventKinds[0]->SetCheck(true);
    m_c.keyCapture = MakeEdit(page, ctl::kKeyCapture, std::string(), false);
    if (m_c.keyCapture)
        m_c.keyCapture->SetReadOnly(true);
    m_c.eventAction = MakeCombo(page, ctl::kEventAction);
    m_c.mouseButtons = MakeCombo(page, ctl::kMouseButtonList);
    m_c.eventNumber = MakeEdit(page, ctl::kEventNumber, "0", true);
    m_c.insert = MakeApplyButton(page, ctl::kInsertEvent, Text(kTextInsert));
}

void MacroPage::BuildPlaySettings(lumo::MTabLayout* page)
{
    m_c.playCountLabel = MakeLabel(page, ctl::kPlayCountLabel, Text(kTextPlayCount));
    m_c.playCount = MakeEdit(page, ctl::kPlayCount, kDefaultPlayCount, true);
    if (m_c.playCount)
        m_c.playCount->SetLimitText(2);
    m_c.delayLabel = MakeLabel(page, ctl::kDelayLabel, Text(kTextDelay));
    for (size_t i = 0; i < m_c.delayKinds.size(); ++i)
        m_c.delayKinds[i] = MakeRadio(page, ctl::kDelayRecorded + static_cast<UINT>(i), Text(kTextDelayKinds[i]), "DELAY_TIME");
    if (m_c.delayKinds[0])
        m_c.delayKinds[0]->SetCheck(true);
    m_c.fixedDelay = MakeEdit(page, ctl::kFixedDelay, kDefaultFixedDelay, true);
    if (m_c.fixedDelay) {
        m_c.fixedDelay->SetLimitText(5);
        m_c.fixedDelay->SetEnabled(false);
    }
    m_c.recordStart = MakeApplyButton(page, ctl::kRecordStart, Text(kTextRecordStart));
    m_c.recordStop = MakeApplyButton(page, ctl::kRecordStop, Text(kTextRecordStop));
}

void MacroPage::BuildEventList(lumo::MTabLayout* page)
{
    m_c.eventListBack = MakeArea(page, ctl::kEventListBack, 70);
    m_c.eventListCaption = MakeLabel(page, ctl::kEventListCaption, Text(kTextEventListCaption), 16);
    for (size_t i = 0; i < m_c.eventButtons.size(); ++i) {
        auto* button = MakeControl<lumo::CImageButton>(page, "CImageButton", ctl::kEventTime + static_cast<UINT>(i));
        if (button) {
            button->SetImage(kEventButtonImages[i], 4);
            button->SetTooltip(Text(kTextEventButtons[i]));
        }
        m_c.eventButtons[i] = button;
    }
    m_c.headerBack = MakeArea(page, ctl::kEventHeaderBack, 40);
    for (size_t i = 0; i < m_c.headers.size(); ++i) {
        m_c.headers[i] = MakeLabel(page, ctl::kEventHeaderFirst + static_cast<UINT>(i), Text(kTextHeaders[i]));
        StyleLabel(m_c.headers[i], kLabelFont, kHeaderColour, lumo::DT_CENTER);
    }
    m_c.events = MakeControl<lumo::CRecordList>(page, "CRecordList", ctl::kEventList);
    if (m_c.events) {
        m_c.events->SetTextColor(kTextWhite);
        m_c.events->EnableEditDelay(true);
    }
    m_c.save = MakeApplyButton(page, ctl::kMacroSave, Text(kTextSave));
}

void MacroPage::FillLists()
{
    if (m_c.eventAction) {
        const int chosen = m_c.eventAction->GetCurSel();
        m_c.eventAction->DelAllItems();
        m_c.eventAction->AddItem("Key Down", kEventPressed);
        m_c.eventAction->AddItem("Key Up", kEventReleased);
        m_c.eventAction->SetCurSel(chosen >= 0 ? chosen : 0);
    }
    if (m_c.mouseButtons) {
        const int chosen = m_c.mouseButtons->GetCurSel();
        m_c.mouseButtons->DelAllItems();
        for (size_t i = 0; i < kTextMouseButtons.size(); ++i)
            m_c.mouseButtons->AddItem(Text(kTextMouseButtons[i]), static_cast<long>(i + 1));
        m_c.mouseButtons->SetCurSel(chosen >= 0 ? chosen : 0);
    }
}

void MacroPage::Layout(const CRect& client)
{
    const int w = client.Width();
    const int h = client.Height();

    // The macro list and its buttons, in pairs: new/delete, copy/rename, import/export.
    Place(m_c.listBack, CRect(80, 50, 320, h - 1));
    Place(m_c.listCaption, CRect(95, 58, 305, 92));
    Place(m_c.list, CRect(80, 100, 320, h - 150));
    constexpr int kButtonRow[6] { 0, 0, 1, 2, 2, 1 };
    constexpr int kButtonColumn[6] { 0, 1, 0, 0, 1, 1 };
    for (size_t i = 0; i < m_c.listButtons.size(); ++i) {
        const int x = 92 + 111 * kButtonColumn[i];
        const int y = h - 140 + 40 * kButtonRow[i];
        Place(m_c.listButtons[i], CRect(x, y, x + 105, y + 30));
    }

    // The event list in the middle: caption row with its buttons, column headers over the
    // list's own columns (name, action, delay), the save button below.
    constexpr int list = 340;
    constexpr int listRight = 780;
    Place(m_c.eventListBack, CRect(330, 50, listRight + 10, h - 1));
    Place(m_c.eventListCaption, CRect(list + 5, 58, 630, 92));
    for (size_t i = 0; i < m_c.eventButtons.size(); ++i) {
        const int x = listRight - 140 + 35 * static_cast<int>(i);
        Place(m_c.eventButtons[i], CRect(x, 60, x + 30, 90));
    }
    Place(m_c.headerBack, CRect(list, 100, listRight, 130));
    constexpr int columns[3][2] { { 0, 160 }, { 180, 280 }, { 300, 420 } };
    for (size_t i = 0; i < m_c.headers.size(); ++i)
        Place(m_c.headers[i], CRect(list + columns[i][0], 100, list + columns[i][1], 130));
    Place(m_c.events, CRect(list, 130, listRight, h - 60));
    Place(m_c.save, CRect(listRight - 110, h - 48, listRight, h - 18));

    // The editor on the right: each event kind with its field, then the play settings and
    // the recording buttons.
    constexpr int x = 810;
    const int right = w - 20;
    Place(m_c.eventTypeLabel, CRect(x, 58, right, 92));
    Place(m_c.eventKinds[0], CRect(x, 100, x + 150, 130));
    Place(m_c.keyCapture, CRect(x + 160, 100, x + 300, 130));
    Place(m_c.eventAction, CRect(x + 310, 100, right, 130));
    Place(m_c.eventKinds[1], CRect(x, 140, x + 150, 170));
    Place(m_c.mouseButtons, CRect(x + 160, 140, x + 300, 170));
    Place(m_c.eventKinds[2], CRect(x, 180, x + 150, 210));
    Place(m_c.eventNumber, CRect(x + 160, 180, x + 300, 210));
    Place(m_c.insert, CRect(right - 110, 180, right, 210));

    Place(m_c.playCountLabel, CRect(x, 240, x + 150, 270));
    Place(m_c.playCount, CRect(x + 160, 240, x + 230, 270));
    Place(m_c.delayLabel, CRect(x, 280, right, 310));
    constexpr int delayX[4] { x, x + 150, x + 265, x + 390 };
    for (size_t i = 0; i < m_c.delayKinds.size(); ++i)
        Place(m_c.delayKinds[i], CRect(delayX[i], 315, delayX[i + 1] - 10, 345));
    Place(m_c.fixedDelay, CRect(delayX[3], 315, right, 345));
    Place(m_c.recordStart, CRect(x, 370, x + 220, 400));
    Place(m_c.recordStop, CRect(x + 230, 370, right, 400));
}

void MacroPage::RefreshTexts()
{
    SetTitle(m_c.listCaption, Text(kTextListCaption));
    SetTitle(m_c.eventTypeLabel, Text(kTextEventType));
    for (size_t i = 0; i < m_c.eventKinds.size(); ++i)
        SetTitle(m_c.eventKinds[i], Text(kTextEventKinds[i]));
    SetTitle(m_c.insert, Text(kTextInsert));
    for (size_t i = 0; i < m_c.listButtons.size(); ++i)
        SetTitle(m_c.listButtons[i], Text(kTextListButtons[i]));
    SetTitle(m_c.playCountLabel, Text(kTextPlayCount));
    SetTitle(m_c.delayLabel, Text(kTextDelay));
    for (size_t i = 0; i < m_c.delayKinds.size(); ++i)
        SetTitle(m_c.delayKinds[i], Text(kTextDelayKinds[i]));
    SetTitle(m_c.recordStart, Text(kTextRecordStart));
    SetTitle(m_c.recordStop, Text(kTextRecordStop));
    SetTitle(m_c.eventListCaption, Text(kTextEventListCaption));
    for (size_t i = 0; i < m_c.eventButtons.size(); ++i) {
        if (m_c.eventButtons[i])
            m_c.eventButtons[i]->SetTooltip(Text(kTextEventButtons[i]));
    }
    for (size_t i = 0; i < m_c.headers.size(); ++i)
        SetTitle(m_c.headers[i], Text(kTextHeaders[i]));
    SetTitle(m_c.save, Text(kTextSave));
    FillLists();
}

lumo::LRESULT MacroPage::OnDelayKind(UINT id)
{
    Enable(m_c.fixedDelay, id == ctl::kDelayFixed);
    return 1;
}

// --- Feature entry points ---------------------------------------------------------------------

void MacroPage::Reload() { }
lumo::LRESULT MacroPage::OnMacroList(UINT, lumo::WPARAM, lumo::LPARAM) { return 0; }
lumo::LRESULT MacroPage::OnKeyCapture(UINT, lumo::WPARAM, lumo::LPARAM) { return 0; }
lumo::LRESULT MacroPage::OnPlayCountEditEnd() { return 0; }
lumo::LRESULT MacroPage::OnEventListEditEnd() { return 0; }
bool MacroPage::HasEventSelection() const
{
    return m_c.events && m_c.events->GetCurSel() >= 0;
}
lumo::LRESULT MacroPage::OnEventKind(UINT) { return 0; }
lumo::LRESULT MacroPage::OnListButton(UINT) { return 0; }
lumo::LRESULT MacroPage::OnRecordStart() { return 0; }
lumo::LRESULT MacroPage::OnRecordStop() { return 0; }
lumo::LRESULT MacroPage::OnEventButton(UINT) { return 0; }
lumo::LRESULT MacroPage::OnSave() { return 0; }
lumo::LRESULT MacroPage::OnMenuCommand(lumo::LPARAM) { return 0; }
lumo::LRESULT MacroPage::OnRecorderKey(lumo::WPARAM, lumo::LPARAM) { return 0; }

} // namespace clavora
