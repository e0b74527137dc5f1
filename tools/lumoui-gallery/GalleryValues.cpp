// Gallery section: sliders, progress and level bars, spin boxes.

#include "Gallery.h"

#include "lumoui/CSpinButton.h"
#include "lumoui/MLevelCtrl.h"
#include "lumoui/MProgress.h"
#include "lumoui/MSlider.h"
#include "lumoui/MText.h"

using namespace lumo;

namespace gallery {
namespace {

MSlider* Slider(MDialog& d, UINT id, CRect r, int enabled, int max, int value)
{
    auto* s = dynamic_cast<MSlider*>(d.CreateControl("MSlider", id, r, "", 1, enabled));
    s->SetImage("img_slider_bk.png", 1);
    s->SetThumbImage("img_slider_thumb.png");
    s->SetMaxProgress(max);
    s->SetProgress(value);
    return s;
}

void BuildValues(MDialog& d, CRect a)
{
    const int x = a.left;
    int y = a.top;
    UINT id = 1200;

    Label(d, id++, CRect(x, y, x + 90, y + 36), "Brightness");
    MSlider* bright = Slider(d, id++, CRect(x + 90, y, x + 390, y + 56), 1, 4, 3);
    bright->SetTextColor(0xFFFFFFFF);
    bright->SetTitle("Level ");
    bright->SetScale(4);
    y += 64;

    Label(d, id++, CRect(x, y, x + 90, y + 36), "Red");
    Slider(d, id++, CRect(x + 90, y, x + 390, y + 36), 1, 255, 200)->SetShowText(false);
    Slider(d, id++, CRect(x + 90, y + 40, x + 390, y + 76), 0, 255, 60)->SetShowText(false);
    y += 88;

    Label(d, id++, CRect(x, y, x + 90, y + 20), "Progress");
    auto* progress = dynamic_cast<MProgress*>(d.CreateControl("MProgress", id++, CRect(x + 90, y, x + 390, y + 20)));
    progress->SetProgress(60);
    progress->EnableShowText(true);
    auto* busy = dynamic_cast<MProgress*>(d.CreateControl("MProgress", id++, CRect(x + 90, y + 28, x + 390, y + 34)));
    busy->SetRun(true);
    y += 50;

    Label(d, id++, CRect(x, y, x + 90, y + 20), "Level");
    auto* level = dynamic_cast<MLevelCtrl*>(d.CreateControl("MLevelCtrl", id++, CRect(x + 90, y, x + 390, y + 20)));
    level->SetRangeValue(0, 10);
    level->SetLevelValue(6);
    y += 36;

    Label(d, id++, CRect(x, y, x + 90, y + 24), "R G B");
    const int values[] = { 255, 128, 0 };
    for (int i = 0; i < 3; ++i) {
        const char* cls = i == 2 ? "CSpinButton" : "MSpinButton";
        auto* spin = dynamic_cast<MSpinButton*>(
            d.CreateControl(cls, id++, CRect(x + 90 + i * 80, y, x + 160 + i * 80, y + 24), "", 1, i == 1 ? 0 : 1));
        spin->SetRange(0, 255);
        spin->SetCurValue(values[i]);
    }
}

const GallerySection kValues(Section { 0, 20, "Sliders, progress, spin boxes", CRect(450, 20, 860, 440), BuildValues });

} // namespace
} // namespace gallery
