#pragma once

// One value swatch of a pointing device's DPI levels (class name "DPIControl"): a colour
// swatch (child 30, a colour button), the value as a number (child 31, a digits-only edit)
// and a check state shared with its group like radio buttons: checking one unchecks the
// other DPI controls of the same group in its owner. A press on the control outside its
// children checks it and sends NOTIFY_CLICK (0, 0).
//
// The children's notifications reach the parent twice: first re-sent as the control's own,
// (own ID, code, 0, 1) for child 30 and (own ID, code, 0, 2) for child 31, then unchanged.

#include "lumoui/MControlFont.h"

#include <string>

namespace lumo {

class CColorButton;
class MEdit;

class DPIControl : public MControlFont {
public:
    DPIControl(MObject* parent, UINT id, CRect rect, int visible);
    ~DPIControl() override;

    const char* GetClassNameW() const override { return "DPIControl"; }

    // COLORREF (0x00BBGGRR), shown by the swatch.
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_color; }
    // Shown as "%d" by the value field; a value typed there is read back when its edit ends.
    void SetDPIValue(int value);
    int GetDPIValue() const { return m_value; }
    // Checking unchecks the group; repaints when changed.
    void SetCheck(bool check);
    bool GetCheck() const { return m_check; }
    void SetGroupName(const std::string& group) { m_group = group; }
    const std::string& GetGroupName() const { return m_group; }

    CColorButton* GetColorButton() const { return m_swatch; }
    MEdit* GetValueEdit() const { return m_edit; }

    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC& hdc, CRect clip) override;
    void SetControlRect(CRect rect) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    LRESULT OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam) override;

    static constexpr UINT kColorId = 30;
    static constexpr UINT kValueId = 31;

private:
    void LayoutChildren();
    void ApplyCheck(bool check);

    CColorButton* m_swatch = nullptr; // owned through the control layer
    MEdit* m_edit = nullptr;
    COLORREF m_color = 0xFFFFFF;
    int m_value = 0;
    bool m_check = false;
    std::string m_group;
};

} // namespace lumo
