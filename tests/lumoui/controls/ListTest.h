#pragma once

// Fixture of the list and colour picker tests: a 640 x 400 test dialog with one tab page
// (MTabLayout) over it, since the lists are only ever created inside a container, plus mouse
// and key helpers that carry the input out at once.

#include "../LumoTest.h"
#include "../TestControl.h"

#include "lumoui/MTabLayout.h"
#include "lumoui/Messages.h"

#include <memory>
#include <string>
#include <vector>

namespace lumotest {

class ListTest : public LumoTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A control made by the page's (container) factory, cast to T.
    template <class T> T* CreateInPage(const char* cls, lumo::UINT id, lumo::CRect rect)
    {
        return dynamic_cast<T*>(m_page->CreateControl(cls, id, rect, "", 1, 1));
    }

    void Move(int x, int y);
    void Press(int x, int y, bool right = false);
    void Release(int x, int y, bool right = false);
    void Click(int x, int y, bool right = false);
    static void Key(lumo::UINT vk);
    static void Type(const std::string& text);
    lumo::ARGB Pixel(int x, int y) const;

    struct Note {
        lumo::UINT code;
        lumo::WPARAM wParam;
        lumo::LPARAM lParam;
        bool operator==(const Note&) const = default;
    };
    // What control `id` sent, in order.
    std::vector<Note> Notes(lumo::UINT id) const;
    std::vector<lumo::UINT> Codes(lumo::UINT id) const;
    void ClearNotes() { m_dlg->m_notes.clear(); }

    std::unique_ptr<TestDialog> m_dlg;
    lumo::MTabLayout* m_page = nullptr;
    lumo::HWND m_hwnd = nullptr;
};

} // namespace lumotest
