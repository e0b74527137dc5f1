// Shows the toolkit's controls with the skin images beside the executable, one board at a time.
//   lumoui_gallery [--board N]          run until the window is closed (Escape closes it);
//                                       PageDown or Tab shows the next board, PageUp or
//                                       Shift+Tab the previous one
//   lumoui_gallery [--board N] --shot FILE
//                                       save what the window shows after a moment as PNG and end
// Boards: 0 text, buttons, values, pictures, tabs, containers and device widgets; 1 lists,
// colour pickers, text fields and combo boxes; 2 the keyboard picture and the key chooser.
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
constexpr lumo::UINT kFirstTitleId = 900;
constexpr lumo::UINT kHintId = 1099;
constexpr int kWidth = 1280;
constexpr int kHeight = 900;

int BoardCount()
{
    int count = 0;
    for (const Section& s : Sections()) {
        count = std::max(count, s.board + 1);
    }
    return count;
}

class GalleryDialog : public lumo::MDialog {
public:
    GalleryDialog(int board, std::string shot)
        : m_board(board)
        , m_shot(std::move(shot))
    {
    }

    void InitUI(lumo::CRect) override
    {
        ShowBoard(m_board);
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
        bool saved
            = lumo::headless::IsActive() ? lumo::headless::SavePng(GetSafeHwnd(), m_shot) : SaveBackBuffer();
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
        if (msg == lumo::WM_KEYDOWN) {
            bool shift = lumo::GetKeyState(lumo::VK_SHIFT) & 0x8000;
            switch (wParam) {
            case lumo::VK_ESCAPE:
                DestroyWindow();
                return 0;
            case lumo::VK_NEXT:
                ShowBoard(m_board + 1);
                return 0;
            case lumo::VK_PRIOR:
                ShowBoard(m_board - 1);
                return 0;
            case lumo::VK_TAB:
                ShowBoard(m_board + (shift ? -1 : 1));
                return 0;
            default:
                break;
            }
        }
        return MDialog::OnWindowMessage(msg, wParam, lParam);
    }

    lumo::LRESULT OnDestroy() override
    {
        lumo::PostQuitMessage(m_result);
        return 0;
    }

private:
    // Replaces every control with the board's sections (wrapping around at either end).
    void ShowBoard(int board)
    {
        const int count = std::max(1, BoardCount());
        m_board = (board % count + count) % count;
        m_pm.ClearAllControls();
        std::vector<Section> sections;
        for (const Section& s : Sections()) {
            if (s.board == m_board) {
                sections.push_back(s);
            }
        }
        std::sort(sections.begin(), sections.end(),
            [](const Section& a, const Section& b) { return a.order < b.order; });
        lumo::UINT titleId = kFirstTitleId;
        for (const Section& s : sections) {
            auto* title = static_cast<lumo::MText*>(CreateControl("MText", titleId++,
                lumo::CRect(s.area.left, s.area.top, s.area.right, s.area.top + 24), s.title.c_str(), 1));
            if (title) {
                title->SetFont(lumo::Manager::GetFontName(), 16, lumo::FontStyleBold);
                title->SetTextColor(0xFFFF7D00);
            }
            s.build(*this, lumo::CRect(s.area.left, s.area.top + 30, s.area.right, s.area.bottom));
        }
        const std::string hint = "Board " + std::to_string(m_board + 1) + " of " + std::to_string(count)
            + "  -  PageDown or Tab: next board, PageUp or Shift+Tab: previous board, Escape: close";
        if (auto* line = static_cast<lumo::MText*>(CreateControl("MText", kHintId,
                lumo::CRect(20, kHeight - 20, kWidth - 20, kHeight - 2), hint.c_str(), 1))) {
            line->SetFont(lumo::Manager::GetFontName(), 12, lumo::FontStyleRegular);
            line->SetTextColor(0xFF8A8A8A);
        }
    }

    bool SaveBackBuffer()
    {
        return lumo::MRender::SaveBitmapToFile(GetPaintManager().GetBackBuffer().GetSurface(), m_shot);
    }

    int m_board = 0;
    std::string m_shot;
    int m_result = 0;
};

int Usage(const char* program)
{
    std::fprintf(stderr, "usage: %s [--board 0..%d] [--shot FILE]\n", program, BoardCount() - 1);
    return 2;
}

} // namespace
} // namespace gallery

int main(int argc, char** argv)
{
    std::string shot;
    int board = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--shot") == 0 && i + 1 < argc) {
            shot = argv[++i];
        } else if (std::strcmp(argv[i], "--board") == 0 && i + 1 < argc) {
            char* end = nullptr;
            long n = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || n < 0 || n >= gallery::BoardCount()) {
                return gallery::Usage(argv[0]);
            }
            board = static_cast<int>(n);
        } else {
            return gallery::Usage(argv[0]);
        }
    }
    gallery::GalleryDialog dialog(board, shot);
    if (!dialog.Create(nullptr, "LumoUI gallery", lumo::WS_POPUP, 0,
            lumo::CRect(0, 0, gallery::kWidth, gallery::kHeight))) {
        std::fprintf(stderr, "no window\n");
        return 1;
    }
    dialog.CenterWindow(nullptr);
    dialog.ShowWindow(lumo::SW_SHOW);
    return lumo::Manager::MessageLoop();
}

// The sanitizer builds run the gallery as a test. fontconfig keeps a few allocations for the
// life of the process that it never frees.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
