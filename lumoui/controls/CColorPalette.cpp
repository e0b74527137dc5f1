#include "lumoui/CColorPalette.h"
#include "lumoui/CColorButton.h"
#include "lumoui/MEdit.h"
#include "lumoui/MPalette.h"
#include "lumoui/MSpinButton.h"
#include "lumoui/MText.h"
#include "lumoui/Messages.h"

#include <cctype>
#include <cstdio>

namespace lumo {

LUMO_REGISTER_CONTROL(CColorPalette, kWindowFactory | kContainerFactory)

namespace {

constexpr int kSwatch = 20;
constexpr int kSwatchTop = 5;
constexpr int kSwatchPitch = 25;
constexpr int kPaletteTop = 27;
constexpr int kPaletteWidth = 233;
constexpr int kPaletteBottomGap = 4;
constexpr int kColumnX = 235;
constexpr int kPreviewWidth = 50;
constexpr int kPreviewHeight = 30;
constexpr int kLabelWidth = 16;
constexpr int kFieldWidth = 60;
constexpr int kFieldHeight = 22;
constexpr int kRowPitch = 28;
constexpr int kFirstRowTop = kPaletteTop + kPreviewHeight + 8;
constexpr int kEditFontSize = 12;
constexpr COLORREF kEditTextColor = 0xDADADA;
constexpr int kHexDigits = 6;
const char* const kLabels[4] = { "R", "G", "B", "#" };

} // namespace

CColorPalette::CColorPalette(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MPanel(parent, id, rect, visible)
{
    for (int i = 0; i < kPresetCount; ++i) {
        m_presets[i] = new CColorButton(this, kFirstPresetId + static_cast<UINT>(i), CRect(), 1, 1);
        m_presets[i]->SetColor(kPresets[i]);
        m_presets[i]->SetGroupName("clr_palette_group");
        AddPart(m_presets[i]);
    }
    m_palette = new MPalette(this, kPaletteId, CRect(), 1, 1);
    AddPart(m_palette);
    m_preview = new CColorButton(this, kPreviewId, CRect(), 1, 1);
    m_preview->SetGroupName("clr_sel_group");
    AddPart(m_preview);
    for (int i = 0; i < 4; ++i) {
        m_labels[i] = new MText(this, kFirstLabelId + static_cast<UINT>(i), CRect(), kLabels[i], 1);
        AddPart(m_labels[i]);
    }
    for (int i = 0; i < 3; ++i) {
        m_spins[i] = new MSpinButton(this, kRedSpinId + static_cast<UINT>(i), CRect(), 1, 1);
        m_spins[i]->SetRange(0, 255);
        AddPart(m_spins[i]);
    }
    m_edit = new MEdit(this, kHexEditId, CRect(), "", 1, 1);
    m_edit->SetFontWidth(kEditFontSize);
    m_edit->SetTextColor(ColorRefToARGB(kEditTextColor));
    m_edit->SetLimitText(kHexDigits);
    AddPart(m_edit);
    Layout();
    if (!enabled) {
        SetControlEnabled(false);
    }
    m_color = m_palette->GetSelectColor();
    Follow(m_color, Source::Palette);
}

CColorPalette::~CColorPalette() = default;

void CColorPalette::InitControl(PaintManager* manager)
{
    MPanel::InitControl(manager);
    if (manager) {
        m_palette->SetThumbImage("img_palette_thumb.png");
    }
}

void CColorPalette::SetControlRect(CRect rect)
{
    MPanel::SetControlRect(rect);
    Layout();
}

void CColorPalette::Layout()
{
    const int x = m_rect.left;
    const int y = m_rect.top;
    if (!m_palette) {
        return; // the panel lays its bars out before the children exist
    }
    for (int i = 0; i < kPresetCount; ++i) {
        int left = x + i * kSwatchPitch;
        m_presets[i]->SetControlRect(CRect(left, y + kSwatchTop, left + kSwatch, y + kSwatchTop + kSwatch));
    }
    m_palette->SetControlRect(
        CRect(x, y + kPaletteTop, x + kPaletteWidth, m_rect.bottom - kPaletteBottomGap));
    const int column = x + kColumnX;
    m_preview->SetControlRect(
        CRect(column, y + kPaletteTop, column + kPreviewWidth, y + kPaletteTop + kPreviewHeight));
    for (int i = 0; i < 4; ++i) {
        int top = y + kFirstRowTop + i * kRowPitch;
        m_labels[i]->SetControlRect(CRect(column, top, column + kLabelWidth, top + kFieldHeight));
        CRect field(column + kLabelWidth, top, column + kLabelWidth + kFieldWidth, top + kFieldHeight);
        if (i < 3) {
            m_spins[i]->SetControlRect(field);
        } else {
            m_edit->SetControlRect(field);
        }
    }
}

// Colour --------------------------------------------------------------------------------------------

std::string CColorPalette::HexText(COLORREF color)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
}

bool CColorPalette::ParseHex(const std::string& text, COLORREF& color)
{
    if (text.size() != kHexDigits) {
        return false;
    }
    uint8_t channels[3] = {};
    for (size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (!std::isxdigit(c)) {
            return false;
        }
        int digit = std::isdigit(c) ? c - '0' : std::toupper(c) - 'A' + 10;
        channels[i / 2] = static_cast<uint8_t>(channels[i / 2] * 16 + digit);
    }
    color = RGB(channels[0], channels[1], channels[2]);
    return true;
}

COLORREF CColorPalette::SpinColor() const
{
    auto channel = [this](int i) { return static_cast<uint8_t>(m_spins[i]->GetCurValue()); };
    return RGB(channel(0), channel(1), channel(2));
}

void CColorPalette::Follow(COLORREF color, Source source)
{
    m_color = color;
    if (source != Source::Palette) {
        m_palette->SetSelectColor(color);
    }
    if (source != Source::Spins) {
        m_spins[0]->SetCurValue(GetRValue(color));
        m_spins[1]->SetCurValue(GetGValue(color));
        m_spins[2]->SetCurValue(GetBValue(color));
    }
    if (source != Source::Edit) {
        m_edit->SetTitle(HexText(color));
    }
    m_preview->SetColor(color);
}

void CColorPalette::SetSelectColor(COLORREF color)
{
    Follow(color & 0xFFFFFF, Source::None);
}

LRESULT CColorPalette::OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = MPanel::OnBaseMessage(controlID, code, wParam, lParam);
    COLORREF color = 0;
    Source source = Source::None;
    if (controlID == kPaletteId && code == NOTIFY_COLOR) {
        color = m_palette->GetSelectColor();
        source = Source::Palette;
    } else if (code == NOTIFY_SPIN && controlID >= kRedSpinId && controlID <= kBlueSpinId) {
        color = SpinColor();
        source = Source::Spins;
    } else if (code == NOTIFY_PRESS && controlID == kPreviewId) {
        color = m_preview->GetColor();
        source = Source::Swatch;
    } else if (code == NOTIFY_PRESS && controlID >= kFirstPresetId
        && controlID < kFirstPresetId + kPresetCount) {
        color = m_presets[controlID - kFirstPresetId]->GetColor();
        source = Source::Swatch;
    } else if (code == NOTIFY_TEXTCHANGED && controlID == kHexEditId
        && ParseHex(m_edit->GetEditText(), color)) {
        source = Source::Edit;
    }
    if (source != Source::None) {
        Follow(color, source);
        SendMessageW(NOTIFY_COLOR, 0, color);
    }
    return result;
}

// Look ----------------------------------------------------------------------------------------------

bool CColorPalette::SetImage(const std::string& fileName, int count)
{
    return m_edit->SetImage(fileName, count);
}

bool CColorPalette::SetThumbImage(const std::string& fileName)
{
    return m_palette->SetThumbImage(fileName);
}

void CColorPalette::SetTextColor(ARGB color)
{
    MPanel::SetTextColor(color);
    for (MText* label : m_labels) {
        label->SetTextColor(color);
    }
    for (MSpinButton* spin : m_spins) {
        spin->SetTextColor(color);
    }
}

void CColorPalette::UpdateControlEx()
{
    for (MControl* child : GetControls()) {
        child->UpdateControl(true);
    }
    UpdateControl(true);
}

} // namespace lumo
