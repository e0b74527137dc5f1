#pragma once

// A push button that shows a download's progress: while the progress is above 0 its text is
// "N%" and a thin bar along its bottom edge fills with the progress. An icon strip
// (SetIconImage) goes left of the text; SetTextRect places the text elsewhere in the button.

#include "lumoui/MButton.h"

#include <atomic>

namespace lumo {

class DownloadButton : public MButton {
public:
    DownloadButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);
    ~DownloadButton() override;

    // Percent, clamped to 0..100; repaints when it changed. May be called from a worker.
    void SetDownloadProcess(int percent);
    int GetDownloadProcess() const { return m_progress; }
    // The nine-grid edge of the button picture (10 unless set).
    void SetFrameSize(int edge);
    // Where the text goes, relative to the button's top-left corner; empty = the whole button.
    void SetTextRect(CRect rect);

    static constexpr ARGB kBarColor = 0xFF007ACC;

protected:
    void DrawSlot(HDC dc, int slot, const CRect& rect) override;
    std::string GetDrawnTitle() const override;

private:
    std::atomic<int> m_progress { 0 };
    int m_frameEdge = kFrameEdge;
    CRect m_textRect;
};

} // namespace lumo
