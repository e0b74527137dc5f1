#pragma once

// A progress bar: the background image (or a dark bar) over the whole control and the
// foreground image (or a blue bar) over the done part, progress / maximum of the width;
// optionally the percentage centred on it. While running (SetRun) it shows no value but a
// segment sweeping across on the window's animation ticks.

#include "lumoui/ControlFactory.h"
#include "lumoui/MControlFont.h"

#include <atomic>

namespace lumo {

class MProgress : public MControlFont {
public:
    MProgress(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    // Clamped to 0..maximum.
    void SetProgress(int progress);
    int GetProgress() const { return m_progress; }
    // At least 1; the progress is kept inside it.
    void SetMaxProgress(int max);
    int GetMaxProgress() const { return m_max; }
    // Both are drawn as nine-grids with an edge of half the image height. False when the
    // file cannot be loaded.
    bool SetBackGroundImage(const std::string& fileName);
    bool SetForeGroundImage(const std::string& fileName);
    void SetRun(bool run);
    bool IsRun() const { return m_running.load(); }
    void EnableShowText(bool show);
    // Width of the done part for a control `width` wide.
    int GetDoneWidth(int width) const;

    void DrawControl(HDC& hdc, CRect clip) override;
    bool OnControlTimer() override;

    static constexpr ARGB kBackColor = 0xFF1B2733;
    static constexpr ARGB kForeColor = 0xFF007ACC;
    // Animation ticks per sweep of the running segment.
    static constexpr int kSweepTicks = 150;

private:
    bool LoadImage(const std::string& fileName, MImagePtr& image);
    void DrawBar(HDC dc, const MImage* image, const CRect& rect, ARGB color) const;

    int m_progress = 0;
    int m_max = 100;
    MImagePtr m_back;
    MImagePtr m_fore;
    bool m_showText = false;
    std::atomic<bool> m_running { false };
    std::atomic<int> m_tick { 0 };
};

} // namespace lumo
