// Gallery section: text fields in each of their styles, the flat field, the multi-line text
// box, combo boxes and the colour combo.

#include "Gallery.h"

#include "lumoui/CColorCombo.h"
#include "lumoui/MComboBox.h"
#include "lumoui/MEdit.h"
#include "lumoui/MEditEx.h"
#include "lumoui/MRichEdit.h"
#include "lumoui/MText.h"

#include <string>

using namespace lumo;

namespace gallery {
namespace {

MEdit* Edit(MDialog& d, UINT id, CRect r, const char* text, int enabled = 1)
{
    auto* e = dynamic_cast<MEdit*>(d.CreateControl("MEdit", id, r, text, 1, enabled));
    if (e) {
        e->SetImage("img_edit.png", 4);
    }
    return e;
}

// The left column: one field per style, each with its label.
void BuildFields(MDialog& d, CRect a, UINT& id)
{
    const int x = a.left;
    constexpr int kStep = 44;
    int y = a.top;
    auto row = [&](const char* label, const char* text, int enabled = 1) {
        Label(d, id++, CRect(x, y, x + 110, y + 32), label);
        MEdit* e = Edit(d, id++, CRect(x + 110, y, x + 380, y + 32), text, enabled);
        y += kStep;
        return e;
    };
    if (MEdit* plain = row("Plain", "")) {
        plain->SetTipInfo("Type a name here");
    }
    if (MEdit* number = row("Number only", "120")) {
        number->SetNumberOnly(true);
        number->SetLimitText(5);
    }
    if (MEdit* secret = row("Password", "secret")) {
        secret->EnablePassWord(true);
    }
    if (MEdit* fixed = row("Read-only", "Read-only text")) {
        fixed->SetReadOnly(true);
    }
    if (MEdit* search = row("Icon button", "keyboard")) {
        search->SetIconImage("icon/icon_web_search.png", 1);
    }
    row("Disabled", "Disabled field", 0);
}

// The middle column: the flat field and the multi-line text box.
void BuildTextBoxes(MDialog& d, CRect a, UINT& id)
{
    const int x = a.left + 420;
    const int y = a.top;
    Label(d, id++, CRect(x, y, x + 300, y + 20), "Flat field");
    d.CreateControl("MEditEx", id++, CRect(x, y + 24, x + 300, y + 56), "Flat field text", 1, 1);
    Label(d, id++, CRect(x, y + 76, x + 300, y + 96), "Multi-line text box");
    d.CreateControl("MRichEdit", id++, CRect(x, y + 100, x + 300, y + 250),
        "A text box of several lines.\nLong lines wrap at the right edge of the box, and the wheel scrolls "
        "when the text is taller than the box.\n中文也可以。",
        1, 1);
}

// The right column: a long and a short combo box and the colour combo.
void BuildCombos(MDialog& d, CRect a, UINT& id)
{
    const int x = a.left + 760;
    const int y = a.top;
    Label(d, id++, CRect(x, y, x + 260, y + 20), "Combo box, twelve items");
    if (auto* profiles = dynamic_cast<MComboBox*>(
            d.CreateControl("MComboBox", id++, CRect(x, y + 24, x + 260, y + 54), nullptr, 1, 1))) {
        profiles->SetImage("img_combobox.png", 4);
        for (int i = 1; i <= 12; ++i) {
            profiles->AddItem(
                "Profile " + std::to_string(i), i, i % 3 == 0 ? "saved" : "", i == 2 ? 0xFFE04040 : 0);
        }
        profiles->SetCurSel(1);
    }
    Label(d, id++, CRect(x, y + 76, x + 260, y + 96), "Language");
    if (auto* language = dynamic_cast<MComboBox*>(
            d.CreateControl("MComboBox", id++, CRect(x, y + 100, x + 260, y + 130), nullptr, 1, 1))) {
        language->SetImage("img_combobox.png", 4);
        for (const char* name : { "English", "中文 (简体)" }) {
            language->AddItem(name);
        }
        language->SetCurSel(0);
    }
    Label(d, id++, CRect(x, y + 152, x + 260, y + 172), "Colour combo");
    // Not in the factory's lists: built here and handed to the window.
    auto* colour = new CColorCombo(&d, id++, CRect(x, y + 176, x + 120, y + 206), 1, 1);
    d.GetPaintManager().AddControl(colour, 1);
    colour->SetManager(&d.GetPaintManager());
    colour->SetImage("img_combobox.png", 4);
    colour->SetAreaColor(RGB(0, 122, 204));
}

void BuildEdits(MDialog& d, CRect a)
{
    UINT id = 1600;
    BuildFields(d, a, id);
    BuildTextBoxes(d, a, id);
    BuildCombos(d, a, id);
}

const GallerySection kEdits(
    Section { 1, 30, "Text fields and combo boxes", CRect(20, 460, 1260, 880), BuildEdits });

} // namespace
} // namespace gallery
