#include "ControlTest.h"

#include "lumoui/Headless.h"

namespace lumotest {

using namespace lumo;

void ControlTest::SetUp()
{
    LumoTest::SetUp();
    m_dlg = std::make_unique<TestDialog>();
    m_hwnd = m_dlg->Open(CRect(0, 0, 400, 300));
    Flush();
}

void ControlTest::TearDown()
{
    m_dlg.reset();
    LumoTest::TearDown();
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

ARGB ControlTest::Pixel(int x, int y) const { return headless::GetPixel(m_hwnd, x, y); }

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
