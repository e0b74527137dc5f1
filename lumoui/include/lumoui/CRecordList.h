#pragma once

// The event list of a macro: one 41-pixel row per key event with the key name, "Key Down" or
// "Key Up" and the delay in milliseconds, each centred in its column (name 0-160, type
// 180-280, delay 300-420 from the left edge). A press in a row's delay column opens an editor
// over the delay (at most 5 digits; an empty text counts as 10).
//   notifications: NOTIFY_PRESS (row under the mouse or -1, 0) on every left press,
//   NOTIFY_RCLICK (row, 0) on a right release over a row, NOTIFY_EDITBEGIN (0, row) when the
//   delay editor opens, NOTIFY_EDITEND (0, row) after an edit that changed the delay, and the
//   scroll bar's (1, NOTIFY_POSITION, position, 0)
// Created inside containers only, as "CRecordList". Rows stay owned by the control.

#include "lumoui/ControlFactory.h"
#include "lumoui/RowList.h"

#include <memory>
#include <string>
#include <vector>

namespace lumo {

class MImageList;

struct RecordItem {
    std::string text; // the key name
    int type = 0; // 2 key down, 3 key up; other values are kept as given
    int value = 0; // the application's key or event value
    int delay = 0; // milliseconds
    CRect rect; // where the row was last drawn (row bitmap coordinates)
};

class CRecordList : public RowList {
public:
    static constexpr int kRowHeight = 41;
    static constexpr int kDelayLimit = 5;
    static constexpr int kEmptyDelay = 10;
    // Columns, relative to the control's left edge.
    static constexpr int kNameX = 0;
    static constexpr int kNameWidth = 160;
    static constexpr int kTypeX = 180;
    static constexpr int kTypeWidth = 100;
    static constexpr int kDelayX = 300;
    static constexpr int kDelayWidth = 120;

    CRecordList(MObject* parent, UINT id, CRect rect, int visible);
    ~CRecordList() override;

    // Appends a row and returns its index; the scroll bar follows and the view scrolls to the
    // end.
    int AddString(const std::string& text, int type, int value, int delay);
    // The delay of the last row; false (and nothing changed) for an empty list.
    bool UpdateDelayTime(int delay);
    int GetItemCount() const override;
    void SetImageList(MImageList* list) { m_imageList = list; }
    MImageList* GetImageList() const { return m_imageList; }
    // The rows in order; they stay owned by the control.
    std::vector<RecordItem*> GetRecordItems() const;
    // Delay editing is on by default.
    void EnableEditDelay(bool enable);
    bool IsEditDelayEnabled() const { return m_editDelay; }
    // Opens the delay editor on a row (as a press in its delay column does).
    bool EditDelay(int index);

    // The text of a row's type column ("" for types other than 2 and 3).
    static const char* TypeText(int type);

    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    bool OnControlRButtonUp(UINT flags, CPoint pt) override;
    void OnEditorEnded(InlineEditor& editor, EditEnd how) override;

    static constexpr ARGB kEditBack = 0xFF061835;

protected:
    void DrawRow(HDC dc, int index, const CRect& row) override;
    CRect EditRectOf(int index) const override;
    void EraseRow(int index) override;
    void ClearRows() override;
    void SwapRows(int a, int b) override;

private:
    std::vector<std::unique_ptr<RecordItem>> m_rows; // guarded by RowLock()
    MImageList* m_imageList = nullptr;
    bool m_editDelay = true;
};

} // namespace lumo
