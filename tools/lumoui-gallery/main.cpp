// Shows the toolkit's controls on one dialog with the skin images beside the executable.
//   lumoui_gallery                 run until the window is closed (Escape closes it)
//   lumoui_gallery --shot FILE     save what the window shows after a moment as PNG and end
// With LUMOUI_HEADLESS=1 the dialog is drawn in memory; --shot then still saves it.

#include "Gallery.h"

#include "lumoui/Headless.h"
#include "lumoui/MRender.h"
#include "lumoui/MText.h"
#include "lumoui/Manager.h"
#include "lumoui/WindowApi.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace gallery {

std::vector<Section>& Sections()
{
    static std::vector<Section> sections;
    return sections;
}

namespace {

// Above the IDs the paint manager gives its controls' window timers (0-239).
constexpr lumo::UINT kShotTimer = 4000;
constexpr lumo::UINT kShotDelayMs = 1500;
constexpr int kWidth = 1280;
constexpr int kHeight = 900;

class GalleryDialog : public lumo::MDialog {
public:
    explicit GalleryDialog(std::string shot) : m_shot(std::move(shot)) { }

    void InitUI(lumo::CRect) override
    {
        std::vector<Section> sections = Sections();
        std::sort(sections.begin(), sections.end(), [](const Section& a, const Section& b) { return a.order < b.order; });
        lumo::UINT id = 1000;
        for (const Section& s : sections) {
            auto* title = static_cast<lumo::MText*>(
                CreateControl("MText", id, lumo::CRect(s.area.left, s.area.top, s.area.right, s.area.top + 24), s.title.c_str(), 1));
            if (title) {
                title->SetFont(lumo::Manager::GetFontName(), 16, lumo::FontStyleBold);
                title->SetTextColor(0xFFFF7D00);
                title->UpdateControl(true);
            }
            lumo::CRect body(s.area.left, s.area.top + 30, s.area.right, s.area.bottom);
            s.build(*this, body);
            id += kIdsPerSection;
        }
        SetMTimer(10);
        if (!m_shot.empty()) {
            SetTimer(kShotTimer, kShotDelayMs);
        }
    }

    void OnTimer(lumo::UINT id) override
    {
        if (id != kShotTimer || m_shot.empty()) {
            return;
        }
        KillTimer(kShotTimer);
        bool saved = lumo::headless::IsActive() ? lumo::headless::SavePng(GetSafeHwnd(), m_shot)
                                                : SaveBackBuffer();
        std::printf("%s %s\n", saved ? "saved" : "could not save", m_shot.c_str());
        m_result = saved ? 0 : 1;
        DestroyWindow();
    }

    lumo::LRESULT OnMessage(lumo::UINT id, lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam) override
    {
        std::printf("control %u: code %u (%lu, %ld)\n", id, code, static_cast<unsigned long>(wParam),
            static_cast<long>(lParam));
        std::fflush(stdout);
        return 0;
    }

    lumo::LRESULT OnWindowMessage(lumo::UINT msg, lumo::WPARAM wParam, lumo::LPARAM lParam) override
    {
        if (msg == lumo::WM_KEYDOWN && wParam == lumo::VK_ESCAPE) {
            DestroyWindow();
            return 0;
        }
        return MDialog::OnWindowMessage(msg, wParam, lParam);
    }

    lumo::LRESULT OnDestroy() override
    {
        lumo::PostQuitMessage(m_result);
        return 0;
    }

private:
    bool SaveBackBuffer()
    {
        return lumo::MRender::SaveBitmapToFile(GetPaintManager().GetBackBuffer().GetSurface(), m_shot);
    }

    std::string m_shot;
    int m_result = 0;
};

} // namespace
} // namespace gallery

int main(int argc, char** argv)
{
    std::string shot;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--shot") == 0 && i + 1 < argc) {
            shot = argv[++i];
        }
    }
    gallery::GalleryDialog dialog(shot);
    if (!dialog.Create(nullptr, "LumoUI gallery", lumo::WS_POPUP, 0, lumo::CRect(0, 0, gallery::kWidth, gallery::kHeight))) {
        std::fprintf(stderr, "no window\n");
        return 1;
    }
    dialog.CenterWindow(nullptr);
    dialog.ShowWindow(lumo::SW_SHOW);
    return lumo::Manager::MessageLoop();
}

// The sanitizer builds run the gallery as a test. fontconfig keeps a few allocations for the
// life of the process that it never frees; pango loads fontconfig on a helper thread and both
// synchronise through GLib primitives the race detector cannot see.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
extern "C" const char* __tsan_default_suppressions()
{
    return "race:libfontconfig.so\nrace:libpangoft2-1.0.so\nrace:libglib-2.0.so\nrace:libpango-1.0.so\n";
}
