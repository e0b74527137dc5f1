#include "lumoui/CRecordList.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/Messages.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace lumo {

LUMO_REGISTER_CONTROL(CRecordList, kContainerFactory)

namespace {

// The delay editor sits inside the delay box like a small field.
constexpr int kEditInsetX = 10;
constexpr int kEditInsetY = 8;

// The leading decimal number of a text, as the classic C conversion reads it: an optional
// sign, then digits; 0 when there are none.
int LeadingNumber(const std::string& text)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin < end && (*begin == ' ' || *begin == '\t')) {
        ++begin;
    }
    if (begin < end && *begin == '+') {
        ++begin;
    }
    int value = 0;
    std::from_chars(begin, end, value);
    return value;
}

} // namespace

CRecordList::CRecordList(MObject* parent, UINT id, CRect rect, int visible)
    : RowList(parent, id, rect, visible, kRowHeight)
{
    m_editor.Model().SetLimit(kDelayLimit);
    m_editor.Model().SetNumberOnly(true);
    m_editor.SetAlignment(DT_CENTER);
    m_editor.SetBackColor(kEditBack);
}

CRecordList::~CRecordList() = default;

const char* CRecordList::TypeText(int type)
{
    switch (type) {
    case 2:
        return "Key Down";
    case 3:
        return "Key Up";
    default:
        return "";
    }
}

// Rows --------------------------------------------------------------------------------------------

int CRecordList::GetItemCount() const
{
    std::lock_guard lock(RowLock());
    return static_cast<int>(m_rows.size());
}

int CRecordList::AddString(const std::string& text, int type, int value, int delay)
{
    int index = 0;
    {
        std::lock_guard lock(RowLock());
        m_rows.push_back(std::make_unique<RecordItem>(RecordItem { text, type, value, delay, CRect() }));
        index = static_cast<int>(m_rows.size()) - 1;
    }
    RowsChanged(true);
    return index;
}

bool CRecordList::UpdateDelayTime(int delay)
{
    {
        std::lock_guard lock(RowLock());
        if (m_rows.empty()) {
            return false;
        }
        m_rows.back()->delay = delay;
    }
    UpdateControl(true);
    return true;
}

void CRecordList::EraseRow(int index)
{
    m_rows.erase(m_rows.begin() + index);
}

void CRecordList::ClearRows()
{
    m_rows.clear();
}

void CRecordList::SwapRows(int a, int b)
{
    std::swap(m_rows[static_cast<size_t>(a)], m_rows[static_cast<size_t>(b)]);
}

std::vector<RecordItem*> CRecordList::GetRecordItems() const
{
    std::lock_guard lock(RowLock());
    std::vector<RecordItem*> out;
    out.reserve(m_rows.size());
    for (const auto& row : m_rows) {
        out.push_back(row.get());
    }
    return out;
}

// Delay editing -----------------------------------------------------------------------------------------

void CRecordList::EnableEditDelay(bool enable)
{
    m_editDelay = enable;
    if (!enable) {
        EndEdit();
    }
}

CRect CRecordList::EditRectOf(int index) const
{
    CRect row = GetItemRect(index);
    CRect box(m_rect.left + kDelayX, row.top, m_rect.left + kDelayX + kDelayWidth, row.bottom);
    box.DeflateRect(kEditInsetX, kEditInsetY);
    return box;
}

bool CRecordList::EditDelay(int index)
{
    std::string text;
    {
        std::lock_guard lock(RowLock());
        if (!m_editDelay || !IsRow(index)) {
            return false;
        }
        text = std::to_string(m_rows[static_cast<size_t>(index)]->delay);
    }
    m_editor.SetFont(GetFont());
    m_editor.SetTextColor(m_textColor);
    m_editor.SetSelectionColor(Manager::GetSelectColor());
    return BeginEdit(index, text);
}

void CRecordList::OnEditorEnded(InlineEditor& editor, EditEnd how)
{
    int row = TakeEditRow();
    if (row < 0 || how == EditEnd::Escape) {
        return;
    }
    const std::string& text = editor.GetText();
    int delay = text.empty() ? kEmptyDelay : LeadingNumber(text);
    {
        std::lock_guard lock(RowLock());
        if (!IsRow(row) || m_rows[static_cast<size_t>(row)]->delay == delay) {
            return;
        }
        m_rows[static_cast<size_t>(row)]->delay = delay;
    }
    SendMessageW(NOTIFY_EDITEND, 0, row);
    UpdateControl(true);
}

// Mouse -----------------------------------------------------------------------------------------------

bool CRecordList::OnControlLButtonDown(UINT flags, CPoint pt)
{
    if (!IsEnabled()) {
        return false;
    }
    if (EditorTakesPress(flags, pt)) {
        return true;
    }
    int row = HitTestRow(pt);
    int x = pt.x - m_rect.left;
    bool inDelay = row >= 0 && m_editDelay && x >= kDelayX && x < kDelayX + kDelayWidth;
    if (IsEditing() && (!inDelay || row != GetEditItem())) {
        EndEdit();
    }
    Select(row);
    SendMessageW(NOTIFY_PRESS, static_cast<WPARAM>(row), 0);
    if (inDelay) {
        EditDelay(row);
    }
    return true;
}

bool CRecordList::OnControlLButtonUp(UINT flags, CPoint pt)
{
    return EditorTakesRelease(flags, pt) || m_rect.PtInRect(pt);
}

bool CRecordList::OnControlRButtonUp(UINT, CPoint pt)
{
    return RightRelease(pt, false);
}

// Drawing -----------------------------------------------------------------------------------------------

void CRecordList::DrawRow(HDC dc, int index, const CRect& row)
{
    RecordItem& item = *m_rows[static_cast<size_t>(index)];
    item.rect = row;
    // The outline leaves the last column free, as the classic pen rectangle of width - 2 does.
    CRect outline(row.left, row.top, row.right - 1, row.bottom);
    if (index == m_hover) {
        MRender::DrawRectangle(dc, outline, Manager::GetSelectColor());
    }
    if (index == m_sel) {
        MRender::DrawRectangle(dc, outline, Manager::GetSelectColor());
    }
    StringFormat centred;
    centred.alignment = StringAlignmentCenter;
    centred.lineAlignment = StringAlignmentCenter;
    centred.flags = StringFormatFlagsNoWrap;
    MFont font = GetFont();
    auto column
        = [&](int x, int width) { return CRect(row.left + x, row.top, row.left + x + width, row.bottom); };
    MRender::DrawTextW(dc, item.text, font, column(kNameX, kNameWidth), m_textColor, centred);
    MRender::DrawTextW(dc, TypeText(item.type), font, column(kTypeX, kTypeWidth), m_textColor, centred);
    if (index != GetEditItem()) {
        MRender::DrawTextW(
            dc, std::to_string(item.delay), font, column(kDelayX, kDelayWidth), m_textColor, centred);
    }
}

} // namespace lumo
