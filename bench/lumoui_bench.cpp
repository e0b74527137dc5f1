// Toolkit drawing costs and idle load.
//   BM_FullPaint     a 1280 x 720 window with 200 controls and 150 text labels, every cached
//                    rendering stale, painted and shown
//   BM_HoverRepaint  one control's repaint request and the paint of its rect
//   BM_IdleCpu       5 s of the message loop with the 10 ms animation timer and nothing moving;
//                    reports the process's CPU use in percent of one core
// Runs headless by default; LUMOUI_HEADLESS=0 with a display measures real windows.

#include "lumoui/Headless.h"
#include "lumoui/MControlFont.h"
#include "lumoui/MDialog.h"
#include "lumoui/MRender.h"
#include "lumoui/PaintManager.h"
#include "lumoui/WindowApi.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

using namespace lumo;

namespace {

// A control with a cached rendering: a filled, outlined box.
class BenchBox : public MControl {
public:
    BenchBox(MObject* parent, CRect rect, ARGB fill) : MControl(parent, 0, rect), m_fill(fill) { }
    void DrawControl(HDC& hdc, CRect) override
    {
        CRect r = GetRect();
        if (!GetUpdate() || !GetMemDC().IsValid()) {
            UpdateMemDC(hdc, r.Width(), r.Height());
            CopyBackground(hdc, GetMemDC(), 0, 0);
            MRender::DrawRoundRectange(GetMemDC().GetDC(), 0, 0, r.Width(), r.Height(), 6, 0xFF555028, 1.0f, true, m_fill);
        }
        MRender::BitBlt(hdc, r.left, r.top, r.Width(), r.Height(), GetMemDC().GetSurface(), 0, 0);
    }

private:
    ARGB m_fill;
};

// A text label drawn on every paint (its laid-out text is cached by the renderer).
class BenchLabel : public MControlFont {
public:
    BenchLabel(MObject* parent, CRect rect, const std::string& text) : MControlFont(parent, 0, rect)
    {
        m_title = text;
        m_hAlign = DT_CENTER;
    }
    void DrawControl(HDC& hdc, CRect) override { DrawTitle(hdc, GetRect(), m_textColor); }
};

class BenchDialog : public MDialog {
public:
    void Build()
    {
        Create(nullptr, "bench", WS_POPUP, 0, CRect(0, 0, 1280, 720));
        // 20 x 10 boxes of 60 x 64; 150 of them carry a label.
        for (int i = 0; i < 200; ++i) {
            CRect r(10 + (i % 20) * 63, 10 + (i / 20) * 70, 10 + (i % 20) * 63 + 60, 10 + (i / 20) * 70 + 64);
            auto* box = new BenchBox(this, r, 0xFF000000u | static_cast<ARGB>(0x203040 + i * 0x010101));
            box->SetManager(&m_pm);
            m_pm.AddControl(box, 1);
            boxes.push_back(box);
            if (i < 150) {
                auto* label = new BenchLabel(this, CRect(r.left, r.top + 20, r.right, r.top + 44),
                    "Key " + std::to_string(i));
                label->SetManager(&m_pm);
                m_pm.AddControl(label, 1);
                labels.push_back(label);
            }
        }
        ShowWindow(SW_SHOW);
        UpdateWindow(GetSafeHwnd());
    }
    std::vector<MControl*> boxes;
    std::vector<MControl*> labels;
};

bool UseHeadless()
{
    const char* env = std::getenv("LUMOUI_HEADLESS");
    return !(env && std::strcmp(env, "0") == 0);
}

BenchDialog& Scene()
{
    static std::unique_ptr<BenchDialog> scene = [] {
        if (UseHeadless()) {
            headless::Enable();
        }
        auto d = std::make_unique<BenchDialog>();
        d->Build();
        return d;
    }();
    return *scene;
}

void PumpAll()
{
    MSG msg;
    while (PeekMessageW(&msg, PM_REMOVE)) {
        DispatchMessageW(&msg);
    }
}

void BM_FullPaint(benchmark::State& state)
{
    BenchDialog& d = Scene();
    CRect client(0, 0, 1280, 720);
    for (auto _ : state) {
        for (MControl* c : d.GetControls()) {
            c->SetUpdate(false);
        }
        d.GetPaintManager().PaintRect(client);
    }
    PumpAll();
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_HoverRepaint(benchmark::State& state)
{
    BenchDialog& d = Scene();
    MControl* box = d.boxes[37];
    for (auto _ : state) {
        box->UpdateControl(false);
        d.GetPaintManager().PaintRect(box->GetRect());
        ValidateRect(d.GetSafeHwnd(), nullptr);
    }
    PumpAll();
}
BENCHMARK(BM_HoverRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

double Seconds(clockid_t clock)
{
    timespec ts;
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

void BM_IdleCpu(benchmark::State& state)
{
    BenchDialog& d = Scene();
    constexpr UINT kStopTimer = 77;
    // A control registered for ticks that is not animating.
    d.boxes[0]->AddMTimer();
    for (auto _ : state) {
        PumpAll();
        UINT anim = d.SetMTimer(10);
        SetTimer(d.GetSafeHwnd(), kStopTimer, 5000);
        double cpu0 = Seconds(CLOCK_PROCESS_CPUTIME_ID);
        double wall0 = Seconds(CLOCK_MONOTONIC);
        MSG msg;
        while (GetMessageW(&msg)) {
            if (msg.message == WM_TIMER && msg.wParam == kStopTimer) {
                break;
            }
            DispatchMessageW(&msg);
        }
        double cpu = Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
        double wall = Seconds(CLOCK_MONOTONIC) - wall0;
        KillTimer(d.GetSafeHwnd(), kStopTimer);
        d.KillMTimer(anim);
        state.SetIterationTime(wall);
        state.counters["cpu_percent"] = 100.0 * cpu / wall;
    }
}
BENCHMARK(BM_IdleCpu)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

} // namespace
