#pragma once

// Small helpers the main window and its dialogs build their controls with: creation by class
// name with the result cast to the class (null when the toolkit does not offer it), the
// program's usual look of each kind of control, null-safe placement, and the language texts.
// A parent is a dialog (lumo::MDialog&) or a page (lumo::MPanel*).

#include "lumoui/CArea.h"
#include "lumoui/CRadioButton.h"
#include "lumoui/DListBox.h"
#include "lumoui/MButton.h"
#include "lumoui/MComboBox.h"
#include "lumoui/MDialog.h"
#include "lumoui/MEdit.h"
#include "lumoui/MPanel.h"
#include "lumoui/MSlider.h"
#include "lumoui/MText.h"
#include "startup/Language.h"

#include <string>
#include <utility>

namespace clavora {

// The language text of a number in the main window's section.
inline std::string Text(int number)
{
    return LoadLangString(kLangSection, number);
}

// A control of the dialog's own layer.
template <class T>
T* MakeControl(lumo::MDialog& dialog, const char* className, lumo::UINT id, const std::string& title = {},
    bool visible = true)
{
    return dynamic_cast<T*>(dialog.CreateControl(className, id, lumo::CRect(), title.c_str(), visible ? 1 : 0, 1));
}

// A control of a page (or any panel); null when the page itself is missing.
template <class T>
T* MakeControl(lumo::MPanel* page, const char* className, lumo::UINT id, const std::string& title = {},
    bool visible = true)
{
    if (!page)
        return nullptr;
    return dynamic_cast<T*>(page->CreateControl(className, id, lumo::CRect(), title.c_str(), visible ? 1 : 0, 1));
}

inline void Place(lumo::MControl* control, const lumo::CRect& rect)
{
    if (control)
        control->SetRect(rect);
}

inline void Show(lumo::MControl* control, bool visible)
{
    if (control)
        control->SetVisible(visible);
}

inline void Enable(lumo::MControl* control, bool enabled)
{
    if (control)
        control->SetEnabled(enabled);
}

inline void SetTitle(lumo::MControlFont* control, const std::string& title)
{
    if (control)
        control->SetTitle(title);
}

// A label's look: font size and style, colour, horizontal alignment (vertically centred).
inline void StyleLabel(lumo::MText* label, int fontWidth, lumo::ARGB colour, lumo::UINT align = lumo::DT_LEFT,
    int fontStyle = lumo::FontStyleRegular)
{
    if (!label)
        return;
    label->SetFontWidth(fontWidth);
    label->SetFontStyle(fontStyle);
    label->SetTextColor(colour);
    label->SetAlignment(align, lumo::DT_VCENTER);
}

inline constexpr lumo::ARGB kTextWhite = 0xFFFFFFFF;
inline constexpr lumo::COLORREF kAreaColour = 0x555028;
inline constexpr int kLabelFont = 13;

template <class Parent>
lumo::MText* MakeLabel(Parent&& parent, lumo::UINT id, const std::string& text, int fontWidth = kLabelFont)
{
    auto* label = MakeControl<lumo::MText>(std::forward<Parent>(parent), "MText", id, text);
    StyleLabel(label, fontWidth, kTextWhite);
    return label;
}

// A push button on the "btn_apply.png" strip, of class T.
template <class T = lumo::MButton, class Parent>
T* MakeApplyButton(Parent&& parent, lumo::UINT id, const std::string& title, const char* className = "MButton")
{
    auto* button = MakeControl<T>(std::forward<Parent>(parent), className, id, title);
    if (button) {
        button->SetImage("btn_apply.png", 4);
        button->SetTextColor(kTextWhite);
    }
    return button;
}

template <class Parent>
lumo::CRadioButton* MakeRadio(Parent&& parent, lumo::UINT id, const std::string& title, const std::string& group)
{
    auto* radio = MakeControl<lumo::CRadioButton>(std::forward<Parent>(parent), "CRadioButton", id, title);
    if (radio) {
        radio->SetImage("btn_radiobox.png", 8);
        radio->SetGroupName(group);
        radio->SetTextColor(kTextWhite);
    }
    return radio;
}

// A translucent veil in the frame colour.
template <class Parent> lumo::CArea* MakeArea(Parent&& parent, lumo::UINT id, int transparency)
{
    auto* area = MakeControl<lumo::CArea>(std::forward<Parent>(parent), "CArea", id);
    if (area)
        area->SetTransparent(transparency, transparency, kAreaColour);
    return area;
}

inline lumo::MComboBox* MakeCombo(lumo::MPanel* page, lumo::UINT id)
{
    auto* combo = MakeControl<lumo::MComboBox>(page, "MComboBox", id);
    if (combo) {
        combo->SetImage("img_combobox.png", 4);
        combo->SetTextColor(kTextWhite);
    }
    return combo;
}

inline lumo::MEdit* MakeEdit(lumo::MPanel* page, lumo::UINT id, const std::string& text, bool numbers)
{
    auto* edit = MakeControl<lumo::MEdit>(page, "MEdit", id, text);
    if (edit) {
        edit->SetImage("img_edit.png", 4);
        edit->SetTextColor(kTextWhite);
        edit->SetNumberOnly(numbers);
    }
    return edit;
}

// A slider from 0 to `max` without its value text.
inline lumo::MSlider* MakeSlider(lumo::MPanel* page, lumo::UINT id, int max)
{
    auto* slider = MakeControl<lumo::MSlider>(page, "MSlider", id);
    if (!slider)
        return nullptr;
    slider->SetImage("img_slider_bk.png", 1);
    slider->SetThumbImage("img_slider_thumb.png");
    slider->SetShowText(false);
    slider->SetMinProgress(0);
    slider->SetMaxProgress(max);
    return slider;
}

// A list of names (profiles, macros, light modes): the round row marker and, for the lists
// whose names can be edited, the editor's frame.
inline lumo::DListBox* MakeNameList(lumo::MPanel* page, lumo::UINT id, bool editable = true)
{
    auto* list = MakeControl<lumo::DListBox>(page, "DListBox", id);
    if (!list)
        return nullptr;
    list->SetImage("icon/icon_circle.png", 2);
    list->SetTextColor(kTextWhite);
    if (editable) {
        list->SetEditImage("img_edit.png");
        list->EnableShowEdit(true);
    }
    return list;
}

} // namespace clavora
