#pragma once

// Small helpers the main window and its dialogs build their controls with: creation by class
// name with the result cast to the class (null when the toolkit does not offer it), null-safe
// placement, and the language texts.

#include "lumoui/DListBox.h"
#include "lumoui/MDialog.h"
#include "lumoui/MPanel.h"
#include "lumoui/MText.h"
#include "startup/Language.h"

#include <string>

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

// A list of names (profiles, macros, light modes): the round row marker and, for the lists
// whose names can be edited, the editor's frame.
inline lumo::DListBox* MakeNameList(lumo::MPanel* page, lumo::UINT id, bool editable = true)
{
    auto* list = MakeControl<lumo::DListBox>(page, "DListBox", id);
    if (!list)
        return nullptr;
    list->SetImage("icon/icon_circle.png", 2);
    list->SetTextColor(0xFFFFFFFF);
    if (editable) {
        list->SetEditImage("img_edit.png");
        list->EnableShowEdit(true);
    }
    return list;
}

} // namespace clavora
