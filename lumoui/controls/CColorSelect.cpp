#include "lumoui/CColorSelect.h"
#include "lumoui/CColorButton.h"
#include "lumoui/Messages.h"

namespace lumo {

LUMO_REGISTER_CONTROL(CColorSelect, kWindowFactory | kContainerFactory)

namespace {

constexpr int kSwatch = 20;
constexpr int kSwatchTop = 5;
constexpr int kSwatchPitch = 25;

} // namespace

CColorSelect::CColorSelect(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MPanel(parent, id, rect, visible)
{
    for (int i = 0; i < kSwatchCount; ++i) {
        m_swatches[i] = new CColorButton(this, kFirstSwatchId + static_cast<UINT>(i), CRect(), 1, 1);
        m_swatches[i]->SetColor(kColors[i]);
        m_swatches[i]->SetGroupName("clr_palette_group");
        AddPart(m_swatches[i]);
    }
    m_swatches[kSwatchCount - 1]->SetShowBorder(true);
    Layout();
    if (!enabled) {
        SetControlEnabled(false);
    }
}

CColorSelect::~CColorSelect() = default;

void CColorSelect::SetControlRect(CRect rect)
{
    MPanel::SetControlRect(rect);
    Layout();
}

void CColorSelect::Layout()
{
    if (!m_swatches[0]) {
        return; // the panel lays its bars out before the swatches exist
    }
    for (int i = 0; i < kSwatchCount; ++i) {
        int top = m_rect.top + kSwatchTop + i * kSwatchPitch;
        m_swatches[i]->SetControlRect(CRect(m_rect.left, top, m_rect.left + kSwatch, top + kSwatch));
    }
}

CColorButton* CColorSelect::GetSwatch(int index) const
{
    return index >= 0 && index < kSwatchCount ? m_swatches[index] : nullptr;
}

void CColorSelect::SetColorIndex(int index)
{
    if (CColorButton* swatch = GetSwatch(index)) {
        swatch->SetCheck(true);
        return;
    }
    for (CColorButton* swatch : m_swatches) {
        swatch->SetCheck(false);
    }
}

int CColorSelect::GetColorIndex() const
{
    for (int i = 0; i < kSwatchCount; ++i) {
        if (m_swatches[i]->GetCheck()) {
            return i;
        }
    }
    return -1;
}

LRESULT CColorSelect::OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = MPanel::OnBaseMessage(controlID, code, wParam, lParam);
    bool fromSwatch = controlID >= kFirstSwatchId && controlID < kFirstSwatchId + kSwatchCount;
    if (code == NOTIFY_PRESS && fromSwatch) {
        int index = GetColorIndex();
        if (index >= 0 && m_swatches[index]->GetColor() != 0) {
            SendMessageW(NOTIFY_COLOR, static_cast<WPARAM>(index), m_swatches[index]->GetColor());
        }
    }
    return result;
}

} // namespace lumo
