#include "ControlTest.h"

#include "lumoui/PaintManager.h"

using namespace lumo;

namespace lumotest {

void ControlTest::SetUp()
{
    LumoTest::SetUp();
    m_dlg = std::make_unique<TestDialog>();
}

void ControlTest::TearDown()
{
    m_dlg.reset();
    LumoTest::TearDown();
}

HWND ControlTest::OpenDialog(CRect rect)
{
    m_hwnd = m_dlg->Open(rect);
    Flush();
    return m_hwnd;
}

void ControlTest::Attach(MControl* control)
{
    m_dlg->GetPaintManager().AddControl(control, 1);
    control->SetManager(&m_dlg->GetPaintManager());
    m_dlg->GetPaintManager().Invalidate();
}

std::vector<UINT> ControlTest::Codes() const
{
    std::vector<UINT> codes;
    for (auto& n : m_dlg->m_notes) {
        codes.push_back(n.code);
    }
    return codes;
}

void ControlTest::Click(HWND hwnd, int x, int y)
{
    headless::Click(hwnd, x, y);
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

} // namespace lumotest
