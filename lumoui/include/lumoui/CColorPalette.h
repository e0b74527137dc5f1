#pragma once

// A colour chooser made of children kept in step with each other:
//   631-638  eight preset swatches (CColorButton, group "clr_palette_group")
//   620      the hue/lightness palette (MPalette, thumb "img_palette_thumb.png")
//   622      the preview swatch (CColorButton, group "clr_sel_group"), showing the colour
//   650-653  the labels "R", "G", "B", "#"
//   654-656  red, green and blue spin boxes (0-255)
//   657      the hexadecimal edit: six upper-case digits, red first
// A change through any child (palette, spin box, a swatch press, six hex digits typed) moves
// the others and sends NOTIFY_COLOR (0, colour); every child notification is passed on too.
// Programmatic SetSelectColor moves the children and sends nothing.

#include "lumoui/ControlFactory.h"
#include "lumoui/MPanel.h"

#include <string>

namespace lumo {

class CColorButton;
class MEdit;
class MPalette;
class MSpinButton;
class MText;

class CColorPalette : public MPanel {
public:
    static constexpr UINT kPaletteId = 620;
    static constexpr UINT kPreviewId = 622;
    static constexpr UINT kFirstPresetId = 631;
    static constexpr int kPresetCount = 8;
    static constexpr UINT kFirstLabelId = 650;
    static constexpr UINT kRedSpinId = 654;
    static constexpr UINT kGreenSpinId = 655;
    static constexpr UINT kBlueSpinId = 656;
    static constexpr UINT kHexEditId = 657;
    static constexpr COLORREF kPresets[kPresetCount]
        = { 0x001B55, 0x23A2F9, 0x31FEFE, 0x29FF4C, 0xFEFF50, 0xFC1517, 0x7F007C, 0xFC00F7 };

    CColorPalette(MObject* parent, UINT id, CRect rect, int visible, int enabled = 1);
    ~CColorPalette() override;

    COLORREF GetSelectColor() const { return m_color; }
    void SetSelectColor(COLORREF color);
    using MPanel::SetImage;
    // The hex edit's frame strip.
    bool SetImage(const std::string& fileName, int count) override;
    bool SetThumbImage(const std::string& fileName);
    // Text colour of the labels and the spin boxes.
    void SetTextColor(ARGB color) override;
    // Rebuilds every child's cached rendering.
    void UpdateControlEx();

    // Six upper-case hexadecimal digits, red first ("0A0B0C" for RGB(10, 11, 12)).
    static std::string HexText(COLORREF color);
    // Exactly six hexadecimal digits (either case), red first; false for anything else.
    static bool ParseHex(const std::string& text, COLORREF& color);

    MPalette* GetPalette() const { return m_palette; }
    MEdit* GetHexEdit() const { return m_edit; }
    MSpinButton* GetSpin(int channel) const { return m_spins[channel]; }

    void InitControl(PaintManager* manager) override;
    void SetControlRect(CRect rect) override;
    LRESULT OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam) override;

private:
    enum class Source { None, Palette, Spins, Swatch, Edit };

    void Layout();
    // Moves every child but `source` to the colour.
    void Follow(COLORREF color, Source source);
    COLORREF SpinColor() const;

    COLORREF m_color = 0;
    CColorButton* m_presets[kPresetCount] = {};
    CColorButton* m_preview = nullptr;
    MPalette* m_palette = nullptr;
    MText* m_labels[4] = {};
    MSpinButton* m_spins[3] = {};
    MEdit* m_edit = nullptr;
};

} // namespace lumo
