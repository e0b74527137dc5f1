#include "ListTest.h"

#include "lumoui/Headless.h"

namespace lumotest {

using namespace lumo;

void ListTest::SetUp()
{
    ControlTest::SetUp();
    m_page = dynamic_cast<MTabLayout*>(m_dlg->CreateControl("MTabLayout", 50, m_windowRect, "", 1, 1));
    ASSERT_NE(m_page, nullptr);
    Flush();
}

void ListTest::RightClick(int x, int y)
{
    Move(x, y);
    headless::MouseDown(m_hwnd, x, y, true);
    headless::MouseUp(m_hwnd, x, y, true);
    Flush();
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

} // namespace lumotest
