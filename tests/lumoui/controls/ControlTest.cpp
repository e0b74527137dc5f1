#include "ControlTest.h"

#include "lumoui/Headless.h"
#include "lumoui/PaintManager.h"

namespace lumotest {

using namespace lumo;

void ControlTest::SetUp()
{
    LumoTest::SetUp();
    m_dlg = std::make_unique<TestDialog>();
    m_hwnd = m_dlg->Open(m_windowRect);
    m_dialogRect = m_windowRect;
    Flush();
}

void ControlTest::TearDown()
{
    m_dlg.reset();
    LumoTest::TearDown();
}

HWND ControlTest::OpenDialog(CRect rect)
{
    if (rect == m_dialogRect && m_hwnd) {
        return m_hwnd;
    }
    m_dlg.reset();
    Flush();
    m_dlg = std::make_unique<TestDialog>();
    m_hwnd = m_dlg->Open(rect);
    m_dialogRect = rect;
    Flush();
    return m_hwnd;
}

void ControlTest::Attach(MControl* control)
{
    m_dlg->GetPaintManager().AddControl(control, 1);
    control->SetManager(&m_dlg->GetPaintManager());
    m_dlg->GetPaintManager().Invalidate();
}

std::string ControlTest::WriteStrip(
    const std::string& name, int sliceWidth, int sliceHeight, const std::vector<ARGB>& colours)
{
    int count = static_cast<int>(colours.size());
    return WriteSkinPng(name, sliceWidth * count, sliceHeight,
        [&](int x, int) -> uint32_t { return colours[static_cast<size_t>(x / sliceWidth)]; });
}

void ControlTest::Move(int x, int y)
{
    headless::MouseMove(m_hwnd, x, y);
    Flush();
}

void ControlTest::Press(int x, int y)
{
    headless::MouseDown(m_hwnd, x, y);
    Flush();
}

void ControlTest::Release(int x, int y)
{
    headless::MouseUp(m_hwnd, x, y);
    Flush();
}

void ControlTest::Click(int x, int y)
{
    Move(x, y);
    Press(x, y);
    Release(x, y);
}

void ControlTest::Click(HWND hwnd, int x, int y)
{
    headless::Click(hwnd, x, y);
    Flush();
}

void ControlTest::Wheel(int x, int y, int delta)
{
    headless::Wheel(m_hwnd, x, y, delta);
    Flush();
}

void ControlTest::Leave()
{
    headless::MouseLeave(m_hwnd);
    Flush();
}

void ControlTest::Key(UINT vk)
{
    headless::KeyDown(vk);
    headless::KeyUp(vk);
    Flush();
}

void ControlTest::Chord(UINT modifier, UINT vk)
{
    headless::KeyDown(modifier);
    Key(vk);
    headless::KeyUp(modifier);
    Flush();
}

void ControlTest::Type(const std::string& text)
{
    headless::Text(text);
    Flush();
}

ARGB ControlTest::Pixel(int x, int y) const { return headless::GetPixel(m_hwnd, x, y); }

std::vector<UINT> ControlTest::Codes() const
{
    std::vector<UINT> codes;
    for (const auto& n : m_dlg->m_notes) {
        codes.push_back(n.code);
    }
    return codes;
}

std::vector<UINT> ControlTest::Codes(UINT id) const
{
    std::vector<UINT> out;
    for (const auto& n : m_dlg->m_notes) {
        if (n.id == id) {
            out.push_back(n.code);
        }
    }
    return out;
}

const TestDialog::Note* ControlTest::LastNote(UINT id, UINT code) const
{
    const TestDialog::Note* last = nullptr;
    for (const auto& n : m_dlg->m_notes) {
        if (n.id == id && n.code == code) {
            last = &n;
        }
    }
    return last;
}

} // namespace lumotest
