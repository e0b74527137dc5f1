#pragma once

// A sign-in style field: an MEdit with a rounded frame and a logo (a user or lock picture)
// in a square at its left; the text starts after the logo. Behaviour and notifications are
// those of MEdit (usually with EnablePassWord for the secret field). It is not in the
// factory lists: construct it and attach it with PaintManager::AddControl.

#include "lumoui/MEditEx.h"

#include <memory>

namespace lumo {

class CLogonEdit : public MEditEx {
public:
    CLogonEdit(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);
    ~CLogonEdit() override;

    // The logo strip from the skin folder (slice 0 normal, 1 editing, 2 disabled; fewer
    // slices repeat the last). False when it cannot be loaded.
    bool SetLogoImage(const std::string& fileName, int count);
    CRect GetLogoRect() const;

    void DrawControl(HDC& hdc, CRect clip) override;

protected:
    void DrawFrame(HDC hdc, int state, const CRect& dest) override;
    CRect DefaultTextRect() const override;

private:
    std::unique_ptr<IconStrip> m_logo;
};

} // namespace lumo
