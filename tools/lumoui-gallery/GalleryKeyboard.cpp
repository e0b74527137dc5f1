// Gallery sections: the keyboard picture with a full-size layout from the shipped layout
// files (selection mode, a few keys marked and one selected) and the key chooser.

#include "Gallery.h"
#include "GalleryLayout.h"

#include "lumoui/KeyFuncControl.h"
#include "lumoui/KeyboardCtrl.h"
#include "lumoui/MTabLayout.h"
#include "lumoui/MText.h"
#include "lumoui/Manager.h"

#include <cstdio>
#include <string>

using namespace lumo;

namespace gallery {
namespace {

constexpr char kLayout[] = "layouts/halcyon104.xml";
constexpr DWORD kEnter = 0x28;
constexpr DWORD kMarked[] = { 0x1A, 0x04, 0x16, 0x07 }; // W, A, S, D

// The icon row's descriptions (its items' tooltips), by item data.
constexpr std::pair<int, const char*> kIconTexts[] = { { 232, "Media player" }, { 233, "Volume down" },
    { 234, "Volume up" }, { 235, "Mute" }, { 236, "Stop" }, { 237, "Previous track" }, { 238, "Play/Pause" },
    { 239, "Next track" }, { 240, "E-mail" }, { 241, "Browser home" }, { 242, "Calculator" }, { 243, "Back" },
    { 244, "Forward" }, { 245, "Stop loading" }, { 246, "Refresh" }, { 247, "Search" }, { 248, "Favourites" },
    { 249, "My computer" } };

void Note(MTabLayout* page, UINT id, CRect r, const std::string& text)
{
    if (auto* t = dynamic_cast<MText*>(page->CreateControl("MText", id, r, text.c_str(), 1))) {
        t->SetTextColor(0xFFADADAD);
    }
}

void BuildKeyboard(MDialog& d, CRect a)
{
    UINT id = 1700;
    auto* page = dynamic_cast<MTabLayout*>(d.CreateControl("MTabLayout", id++, a, "", 1, 1));
    if (!page) {
        return;
    }
    KeyboardLayout layout;
    const std::string path = Manager::GetAppFolder() + kLayout;
    if (!ReadKeyboardLayout(path, layout)) {
        std::fprintf(stderr, "cannot read the layout %s\n", path.c_str());
        Note(page, id++, CRect(a.left, a.top, a.right, a.top + 20), "No layout: " + path);
        return;
    }
    auto* keyboard = dynamic_cast<KeyboardCtrl*>(
        page->CreateControl("KeyboardCtrl", id++, CRect(a.left, a.top, a.right, a.top + layout.height)));
    if (!keyboard) {
        return;
    }
    if (!keyboard->SetKeyboardImage("keyboard/" + layout.image)) {
        std::fprintf(stderr, "no keyboard picture %s\n", layout.image.c_str());
    }
    keyboard->SetWidthAndHeight(layout.width, layout.height);
    int enter = -1;
    for (const LayoutKey& key : layout.keys) {
        int index = keyboard->AddKeyItem(key.name, key.desc, key.code, key.rect, key.icon);
        if (key.code == kEnter) {
            enter = index;
        }
    }
    keyboard->SetKeyboardCtrlMode(KBMODE_SELECT);
    keyboard->EnableFrameSelect(true);
    for (DWORD code : kMarked) {
        keyboard->SetKeyCheck(code, true);
    }
    keyboard->SetSelectItem(enter);
    Note(page, id++, CRect(a.left, a.top + layout.height + 10, a.right, a.top + layout.height + 30),
        layout.image + ", " + std::to_string(layout.keys.size())
            + " keys: W, A, S and D marked, Enter selected; drag with a button held for a rubber band");
}

void BuildChooser(MDialog& d, CRect a)
{
    UINT id = 1800;
    auto* page = dynamic_cast<MTabLayout*>(d.CreateControl("MTabLayout", id++, a, "", 1, 1));
    if (!page) {
        return;
    }
    // The chooser's items sit at fixed places in a 939 x 269 area.
    constexpr int kWidth = 939;
    constexpr int kHeight = 269;
    const int x = a.left + (a.Width() - kWidth) / 2;
    auto* chooser = dynamic_cast<KeyFuncControl*>(
        page->CreateControl("KeyFuncControl", id++, CRect(x, a.top, x + kWidth, a.top + kHeight)));
    if (!chooser) {
        return;
    }
    chooser->SetImage("img_customkey.png", 3);
    for (const auto& [data, text] : kIconTexts) {
        chooser->SetItemDesc(data, text);
    }
    chooser->SetItemCheckByItemData(0x04, 0, 0);
    Note(page, id++, CRect(x, a.top + kHeight + 10, x + kWidth, a.top + kHeight + 30),
        "The key A is the current assignment; the icons show their names as tooltips");
}

const GallerySection kKeyboard(
    Section { 2, 10, "Keyboard picture (selection mode)", CRect(20, 20, 1260, 420), BuildKeyboard });
const GallerySection kChooser(Section { 2, 20, "Key chooser", CRect(20, 440, 1260, 880), BuildChooser });

} // namespace
} // namespace gallery
