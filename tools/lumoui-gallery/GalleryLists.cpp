// Gallery section: the name list (as the profile list of the key page, one row being renamed)
// and the macro event list, both on a tab page as in the main window.

#include "Gallery.h"

#include "lumoui/CArea.h"
#include "lumoui/CRecordList.h"
#include "lumoui/DListBox.h"
#include "lumoui/MTabLayout.h"

using namespace lumo;

namespace gallery {
namespace {

DListBox* NameList(MTabLayout* page, UINT id, CRect r, const char* word, int count)
{
    if (auto* back = dynamic_cast<CArea*>(page->CreateControl("CArea", id, r, "", 1, 1))) {
        back->SetTransparent(70, 70, 0x555028);
    }
    auto* list = dynamic_cast<DListBox*>(page->CreateControl("DListBox", id + 1, r, "", 1, 1));
    list->SetImage("icon/icon_circle.png", 2);
    list->SetEditImage("img_edit.png");
    list->EnableShowEdit(true);
    for (int i = 1; i <= count; ++i) {
        list->AddString(std::string(word) + " " + std::to_string(i), static_cast<long>(i), 0);
    }
    return list;
}

void BuildLists(MDialog& d, CRect a)
{
    UINT id = 1400;
    auto* page = dynamic_cast<MTabLayout*>(d.CreateControl("MTabLayout", id++, a, "", 1, 1));
    if (!page) {
        return;
    }
    const int x = a.left;
    const int y = a.top;

    DListBox* profiles = NameList(page, id, CRect(x, y, x + 220, y + 170), "Profile", 4);
    id += 2;
    profiles->SetCurSel(1);

    DListBox* macros = NameList(page, id, CRect(x, y + 180, x + 220, a.bottom), "Macro", 9);
    id += 2;
    macros->SetCurSel(2);

    if (auto* back = dynamic_cast<CArea*>(
            page->CreateControl("CArea", id++, CRect(x + 240, y, a.right, a.bottom), "", 1, 1))) {
        back->SetTransparent(70, 70, 0x555028);
    }
    auto* events = dynamic_cast<CRecordList*>(
        page->CreateControl("CRecordList", id++, CRect(x + 240, y, a.right, a.bottom), "", 1, 1));
    const char* keys[]
        = { "Left Shift", "A", "A", "Left Shift", "Space", "Space", "Enter", "Enter", "F5", "F5" };
    for (int i = 0; i < 10; ++i) {
        events->AddString(keys[i], i % 2 ? 3 : 2, 0, 20 + 15 * i);
    }
    events->SetCurSel(7);
    // One editor is open at a time (it holds the keyboard focus): show the rename.
    profiles->ShowEdit();
}

const GallerySection kLists(Section { 1, 10, "Lists", CRect(20, 20, 720, 440), BuildLists });

} // namespace
} // namespace gallery
