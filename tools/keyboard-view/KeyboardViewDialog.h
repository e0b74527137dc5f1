#pragma once

// The viewer's window: the key page's arrangement of a keyboard picture (placed as the
// model's description says) and the key chooser below it, in one display mode, with a few
// keys given marks, colours and tips so every part of the mode's drawing shows.

#include "description/DescriptionObserver.h"
#include "lumoui/MDialog.h"

#include <string>

namespace lumo {
class KeyboardCtrl;
class KeyFuncControl;
class MPanel;
} // namespace lumo

namespace keyboardview {

struct Options {
    int deviceType = 201;
    int mode = 101;
    std::string shot; // save the window as PNG after a moment, then end
    bool tips = false;
};

class KeyboardViewDialog : public lumo::MDialog, public clavora::DescriptionObserver {
public:
    explicit KeyboardViewDialog(Options options) : m_options(std::move(options)) { }

    void InitUI(lumo::CRect client) override;
    void OnTimer(lumo::UINT id) override;
    lumo::LRESULT OnMessage(lumo::UINT id, lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam) override;
    lumo::LRESULT OnWindowMessage(lumo::UINT msg, lumo::WPARAM wParam, lumo::LPARAM lParam) override;

    // The key page's picture receives the layout.
    void ClearItem(clavora::KeyPicture picture) override;
    void SetRect(clavora::KeyPicture picture, const lumo::CRect& rect) override;
    void SetKeyboardImage(clavora::KeyPicture picture, const std::string& path) override;
    void SetWidthAndHeight(clavora::KeyPicture picture, int width, int height) override;
    void AddKeyItem(clavora::KeyPicture picture, const std::string& name, const std::string& desc, int code,
        const lumo::CRect& rect, const std::string& icon) override;

    int Result() const { return m_result; }

private:
    void BuildChooser(lumo::CRect client);
    void ShowMode();
    void ShowSelection();
    void ShowLightPreview();
    void ShowColours();
    void ShowTip();

    Options m_options;
    lumo::MPanel* m_page = nullptr;
    lumo::KeyboardCtrl* m_keyboard = nullptr;
    lumo::KeyFuncControl* m_chooser = nullptr;
    int m_result = 0;
};

} // namespace keyboardview
