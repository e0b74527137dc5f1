#include "ListTest.h"

#include "lumoui/Headless.h"

namespace lumotest {

using namespace lumo;

void ListTest::SetUp()
{
    LumoTest::SetUp();
    m_dlg = std::make_unique<TestDialog>();
    m_hwnd = m_dlg->Open(CRect(0, 0, 640, 400));
    m_page = dynamic_cast<MTabLayout*>(m_dlg->CreateControl("MTabLayout", 50, CRect(0, 0, 640, 400), "", 1, 1));
    ASSERT_NE(m_page, nullptr);
    Flush();
}

void ListTest::TearDown()
{
    m_dlg.reset();
    LumoTest::TearDown();
}

void ListTest::Move(int x, int y)
{
    headless::MouseMove(m_hwnd, x, y);
    Flush();
}

void ListTest::Press(int x, int y, bool right)
{
    headless::MouseDown(m_hwnd, x, y, right);
    Flush();
}

void ListTest::Release(int x, int y, bool right)
{
    headless::MouseUp(m_hwnd, x, y, right);
    Flush();
}

void ListTest::Click(int x, int y, bool right)
{
    Move(x, y);
    Press(x, y, right);
    Release(x, y, right);
}

void ListTest::Key(UINT vk)
{
    headless::KeyDown(vk);
    headless::KeyUp(vk);
    Flush();
}

void ListTest::Type(const std::string& text)
{
    headless::Text(text);
    Flush();
}

ARGB ListTest::Pixel(int x, int y) const
{
    Flush();
    return headless::GetPixel(m_hwnd, x, y);
}

std::vector<ListTest::Note> ListTest::Notes(UINT id) const
{
    std::vector<Note> out;
    for (const auto& n : m_dlg->m_notes) {
        if (n.id == id) {
            out.push_back(Note { n.code, n.wParam, n.lParam });
        }
    }
    return out;
}

std::vector<UINT> ListTest::Codes(UINT id) const
{
    std::vector<UINT> out;
    for (const auto& n : Notes(id)) {
        out.push_back(n.code);
    }
    return out;
}

} // namespace lumotest
