#pragma once

// Fixture of the list and colour picker tests: a 640 x 400 test dialog with one tab page
// (MTabLayout) over it, since the lists are only ever created inside a container, and the
// notifications with their parameters.

#include "ControlTest.h"

#include "lumoui/MTabLayout.h"

#include <string>
#include <vector>

namespace lumotest {

class ListTest : public ControlTest {
protected:
    ListTest() { m_windowRect = lumo::CRect(0, 0, 640, 400); }
    void SetUp() override;

    // A control made by the page's (container) factory, cast to T.
    template <class T> T* CreateInPage(const char* cls, lumo::UINT id, lumo::CRect rect)
    {
        return dynamic_cast<T*>(m_page->CreateControl(cls, id, rect, "", 1, 1));
    }

    void RightClick(int x, int y);
    static void Key(lumo::UINT vk);
    static void Type(const std::string& text);

    struct Note {
        lumo::UINT code;
        lumo::WPARAM wParam;
        lumo::LPARAM lParam;
        bool operator==(const Note&) const = default;
    };
    // What control `id` sent, in order.
    std::vector<Note> Notes(lumo::UINT id) const;

    lumo::MTabLayout* m_page = nullptr;
};

} // namespace lumotest
