#include "KeyboardViewDialog.h"

#include "description/DeviceDescription.h"
#include "lumoui/Headless.h"
#include "lumoui/KeyFuncControl.h"
#include "lumoui/KeyboardCtrl.h"
#include "lumoui/MPanel.h"
#include "lumoui/MRender.h"
#include "lumoui/WindowApi.h"
#include "startup/Language.h"

#include <cmath>
#include <cstdio>
#include <vector>

using namespace lumo;

namespace keyboardview {

namespace {

constexpr UINT kPageId = 51;
constexpr UINT kPictureId = 67;
constexpr UINT kChooserId = 69;
// Above the IDs the paint manager gives its controls' window timers (0-239).
constexpr UINT kShotTimer = 4000;
constexpr UINT kShotDelayMs = 1500;
constexpr int kLightFrames = 48;

// The icon row's descriptions: item data and language text.
constexpr int kIconTexts[][2] = { { 232, 272 }, { 233, 235 }, { 234, 234 }, { 235, 236 }, { 236, 231 },
    { 237, 232 }, { 238, 230 }, { 239, 233 }, { 240, 271 }, { 241, 273 }, { 242, 270 }, { 243, 276 },
    { 244, 277 }, { 245, 275 }, { 246, 274 }, { 247, 279 }, { 248, 278 }, { 249, 252 } };

std::string Text(int number) { return clavora::LoadLangString(clavora::kLangSection, number); }

// A fully saturated colour of the hue (0-360), as COLORREF.
COLORREF Hue(double h)
{
    auto channel = [&](double offset) {
        double v = std::fabs(std::fmod(h / 60.0 + offset, 6.0) - 3.0) - 1.0;
        return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    };
    return RGB(channel(0), channel(4), channel(2));
}

} // namespace

void KeyboardViewDialog::InitUI(CRect client)
{
    m_page = dynamic_cast<MPanel*>(CreateControl("MTabLayout", kPageId, client));
    if (!m_page) {
        return;
    }
    m_keyboard = dynamic_cast<KeyboardCtrl*>(m_page->CreateControl("KeyboardCtrl", kPictureId, CRect()));
    m_keyboard->SetTitle(Text(304));
    BuildChooser(client);

    clavora::DeviceDescription description(this);
    description.LoadDeviceList();
    if (m_options.deviceType != clavora::kStartDeviceType) {
        description.LoadDeviceDescription(m_options.deviceType);
    }
    ShowMode();
    SetMTimer(10);
    if (!m_options.shot.empty()) {
        SetTimer(kShotTimer, kShotDelayMs);
    }
}

void KeyboardViewDialog::BuildChooser(CRect client)
{
    m_chooser = dynamic_cast<KeyFuncControl*>(m_page->CreateControl(
        "KeyFuncControl", kChooserId, CRect(340, client.bottom - 270, client.right - 1, client.bottom - 1)));
    m_chooser->SetImage("img_customkey.png", 3);
    for (const auto& icon : kIconTexts) {
        m_chooser->SetItemDesc(icon[0], Text(icon[1]));
    }
    m_chooser->SetItemCheckByItemData(4, 0, 0);
}

void KeyboardViewDialog::ShowMode()
{
    m_keyboard->SetKeyboardCtrlMode(m_options.mode);
    switch (m_options.mode) {
    case KBMODE_SELECT:
        ShowSelection();
        break;
    case KBMODE_LIGHT:
        ShowLightPreview();
        break;
    case KBMODE_CUSTOM:
    case KBMODE_MUSIC:
        ShowColours();
        break;
    default:
        break;
    }
    if (m_options.tips) {
        ShowTip();
    }
    // A chooser key looks hovered; told to the chooser alone, so the picture keeps its band.
    CRect chooser = m_chooser->GetRect();
    m_chooser->OnMouseMove(0, CPoint(chooser.left + 278, chooser.top + 52));
}

// A rubber band being drawn over the arrow keys (which it checks), marks on WASD and the
// Enter key selected.
void KeyboardViewDialog::ShowSelection()
{
    CRect arrows;
    int enter = -1;
    for (KEY_INFO* key : m_keyboard->GetKeyItems()) {
        if (key->keyValue == 0x28) {
            enter = key->index;
        }
        if (key->keyValue >= 0x4F && key->keyValue <= 0x52) {
            arrows.UnionRect(arrows, key->rect);
        }
    }
    if (arrows.IsRectEmpty()) {
        return;
    }
    m_keyboard->EnableFrameSelect(true);
    CRect r = m_keyboard->GetRealRect(arrows);
    CRect kb = m_keyboard->GetRect();
    r.OffsetRect(kb.left, kb.top);
    m_page->OnMouseMove(0, CPoint(r.left - 10, r.top - 10));
    m_page->OnLButtonDown(MK_LBUTTON, CPoint(r.left - 10, r.top - 10));
    m_page->OnMouseMove(MK_LBUTTON, CPoint(r.right + 12, r.bottom + 8));
    for (DWORD code : { 0x1A, 0x04, 0x16, 0x07 }) {
        m_keyboard->SetKeyCheck(code, true);
    }
    m_keyboard->SetSelectItem(enter);
    m_keyboard->UpdateControl(true);
}

// A wave of brightness running across the keyboard from left to right.
void KeyboardViewDialog::ShowLightPreview()
{
    std::vector<KEY_INFO*> keys = m_keyboard->GetKeyItems();
    if (keys.empty()) {
        return;
    }
    int width = 1;
    for (KEY_INFO* key : keys) {
        width = std::max(width, key->rect.right);
    }
    std::vector<uint8_t> data;
    for (int f = 0; f < kLightFrames; ++f) {
        for (KEY_INFO* key : keys) {
            double x = static_cast<double>(key->rect.CenterPoint().x) / width;
            double v = 0.5 + 0.5 * std::sin(2 * M_PI * (2 * x - static_cast<double>(f) / kLightFrames));
            data.push_back(static_cast<uint8_t>(std::lround(v * 255)));
        }
    }
    m_keyboard->SetLightModeData(data.data(), static_cast<int>(data.size()));
    m_keyboard->SetLightSpeed(3);
}

// Custom colours: a rainbow across the keys with a few keys left unpainted. Music: bands of
// green, yellow and red rising to different heights per column, like the spectrum streams.
void KeyboardViewDialog::ShowColours()
{
    std::vector<KEY_INFO*> keys = m_keyboard->GetKeyItems();
    int width = 1;
    int height = 1;
    for (KEY_INFO* key : keys) {
        width = std::max(width, key->rect.right);
        height = std::max(height, key->rect.bottom);
    }
    for (KEY_INFO* key : keys) {
        CPoint c = key->rect.CenterPoint();
        COLORREF colour = 0;
        if (m_options.mode == KBMODE_CUSTOM) {
            colour = key->index % 9 == 4 ? 0 : Hue(300.0 * c.x / width);
        } else {
            double level = 0.5 + 0.45 * std::sin(c.x * 0.025);
            double row = 1.0 - static_cast<double>(c.y) / height;
            colour = row > level ? 0x402000 : row > 0.66 ? 0x0000FF : row > 0.33 ? 0x00FFFF : 0x00FF00;
        }
        m_keyboard->SetKeyColor(key->keyValue, colour);
    }
    m_keyboard->SetCustomColor(0x00A5FF);
    m_keyboard->UpdateControl(true);
}

// Key tips on, and an assignment's tip on F2 (the tip shows under the real pointer).
void KeyboardViewDialog::ShowTip()
{
    m_keyboard->EnableKBTips(true);
    m_keyboard->SetTipKey(0x3B, Text(205), Text(234));
}

void KeyboardViewDialog::ClearItem(clavora::KeyPicture picture)
{
    if (picture == clavora::KeyPicture::KeyPage) {
        m_keyboard->ClearItem();
    }
}

void KeyboardViewDialog::SetRect(clavora::KeyPicture picture, const CRect& rect)
{
    if (picture == clavora::KeyPicture::KeyPage) {
        m_keyboard->SetRect(rect);
    }
}

void KeyboardViewDialog::SetKeyboardImage(clavora::KeyPicture picture, const std::string& path)
{
    if (picture == clavora::KeyPicture::KeyPage && !m_keyboard->SetKeyboardImage(path)) {
        std::fprintf(stderr, "no picture %s\n", path.c_str());
    }
}

void KeyboardViewDialog::SetWidthAndHeight(clavora::KeyPicture picture, int width, int height)
{
    if (picture == clavora::KeyPicture::KeyPage) {
        m_keyboard->SetWidthAndHeight(width, height);
    }
}

void KeyboardViewDialog::AddKeyItem(clavora::KeyPicture picture, const std::string& name, const std::string& desc,
    int code, const CRect& rect, const std::string& icon)
{
    if (picture == clavora::KeyPicture::KeyPage) {
        m_keyboard->AddKeyItem(name, desc, static_cast<DWORD>(code), rect, icon);
    }
}

void KeyboardViewDialog::OnTimer(UINT id)
{
    if (id != kShotTimer || m_options.shot.empty()) {
        return;
    }
    KillTimer(kShotTimer);
    bool saved = headless::IsActive() ? headless::SavePng(GetSafeHwnd(), m_options.shot)
                                      : MRender::SaveBitmapToFile(GetPaintManager().GetBackBuffer().GetSurface(),
                                          m_options.shot);
    std::printf("%s %s\n", saved ? "saved" : "could not save", m_options.shot.c_str());
    m_result = saved ? 0 : 1;
    DestroyWindow();
}

LRESULT KeyboardViewDialog::OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam)
{
    std::printf("control %u: code %u (%ld, %ld)\n", id, code, static_cast<long>(static_cast<intptr_t>(wParam)),
        static_cast<long>(lParam));
    std::fflush(stdout);
    return 0;
}

LRESULT KeyboardViewDialog::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KEYDOWN && wParam == VK_ESCAPE) {
        DestroyWindow();
        return 0;
    }
    return MDialog::OnWindowMessage(msg, wParam, lParam);
}

} // namespace keyboardview
