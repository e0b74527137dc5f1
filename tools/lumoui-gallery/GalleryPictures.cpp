// Gallery section: pictures, animations and the text area.

#include "Gallery.h"

#include "lumoui/CGifPicture.h"
#include "lumoui/CPhotoFrame.h"
#include "lumoui/CSliderPicture.h"
#include "lumoui/CTextArea.h"
#include "lumoui/MPicture.h"
#include "lumoui/MText.h"

using namespace lumo;

namespace gallery {
namespace {

void BuildPictures(MDialog& d, CRect a)
{
    const int x = a.left;
    int y = a.top;
    UINT id = 1300;

    auto* logo = dynamic_cast<MPicture*>(d.CreateControl("MPicture", id++, CRect(x, y, x + 180, y + 50)));
    logo->SetImage("logo/logo.png", 1);
    logo->SetAlignment(DT_CENTER, DT_VCENTER);
    auto* box = dynamic_cast<MPicture*>(d.CreateControl("MPicture", id++, CRect(x + 190, y, x + 370, y + 50)));
    box->SetImage("img_tip_bk.png", 1);
    box->SetShowMode(3, 6);
    y += 60;

    auto* tiles = dynamic_cast<MPicture*>(d.CreateControl("MPicture", id++, CRect(x, y, x + 180, y + 60)));
    tiles->SetImage("icon/icon_circle.png", 2);
    tiles->SetShowMode(1);
    auto* part = dynamic_cast<MPicture*>(d.CreateControl("MPicture", id++, CRect(x + 190, y, x + 370, y + 60)));
    part->SetImage("img_color_wheel.png", 1);
    part->SetCustomRect(CRect(0, 40, 140, 80));
    part->SetShowMode(5);
    y += 70;

    auto* gif = dynamic_cast<CGifPicture*>(d.CreateControl("CGifPicture", id++, CRect(x, y, x + 64, y + 64)));
    gif->SetImage("loading/loading.gif", 1);
    gif->SetRunState(true, 0);
    auto* hoverGif = dynamic_cast<CGifPicture*>(d.CreateControl("CGifPicture", id++, CRect(x + 74, y, x + 138, y + 64)));
    hoverGif->SetImage("loading/loading.gif", 1);
    hoverGif->SetMouseMoveActive(true);
    hoverGif->SetRunState(true, 0);
    auto* photo = dynamic_cast<CPhotoFrame*>(d.CreateControl("CPhotoFrame", id++, CRect(x + 150, y, x + 260, y + 64)));
    photo->SetImage("img_color_wheel.png", 1);
    photo->SetPhotoFrame("img_edit.png", 4);
    auto* slides = dynamic_cast<CSliderPicture*>(d.CreateControl("CSliderPicture", id++, CRect(x + 270, y, x + 334, y + 64)));
    slides->SetImage("icon/tab_home.png", 4);
    slides->SetRun(true);
    y += 74;

    auto* area = dynamic_cast<CTextArea*>(d.CreateControl("CTextArea", id++, CRect(x, y, x + 370, y + 40), "Text area"));
    area->SetTransparent(70, 70, 0x555028);
    area->SetAlignment(DT_CENTER, DT_VCENTER);
    area->SetTextColor(0xFFFFFFFF);
    y += 50;

    auto* multi = dynamic_cast<MText*>(d.CreateControl("MText", id++, CRect(x, y, x + 370, y + 70), "", 1));
    multi->EnableMultiLine(true);
    multi->EnableVCenter(true);
    multi->EnableTextBack(true, 0xFF1B2733);
    multi->SetAlignment(DT_CENTER);
    multi->SetTitle("A multi-line label: the text wraps at the control's width and is centred vertically.");
}

const GallerySection kPictures(Section { 0, 30, "Pictures", CRect(880, 20, 1260, 440), BuildPictures });

} // namespace
} // namespace gallery
