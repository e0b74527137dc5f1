#pragma once

// The keyboard picture: a skin image of the keyboard with one rectangle per key laid over it,
// shown in one of five display modes, reporting clicks with the key's index and value.
//   1. keys: adding, clearing, the records handed out
//   2. picture, size, centring offset, display mode
//   3. selection, checks, rubber band
//   4. colours
//   5. light animation
//   6. texts and tips
//
// Display modes (SetKeyboardCtrlMode):
//   100 assignment  no picture; key caps filled with the key cap colour, name and icon on them
//   101 selection   picture; outlines on checked, hovered and selected keys; the rubber band
//   102 light       picture; every key outlined in cyan, faded by the key's byte of the
//                   current light frame; animated by the toolkit's animation ticks
//   103 custom      picture; every key outlined in its own colour; a click toggles the
//                   clicked key between colour 0 and the custom colour
//   104 music       picture; every key outlined in its own colour
// Any other value shows only what lies under the control.
//
// Key rects are in picture coordinates; the picture and the keys are drawn shifted by the
// centring offset (GetRealRect), and hit-tested shifted further by the control's top-left
// corner.
//
// Notifications to the parent:
//   NOTIFY_CLICK (2)        left button released inside: (index of the key pressed, or -1,
//                           its key value or 0)
//   NOTIFY_RCLICK (5)       right button released inside without a rubber band: (index of
//                           the key under the mouse or -1, its key value or 0)
//   NOTIFY_RANGESELECT (24) right button released ending a rubber band: (0, 0)
//
// Threads: the key list, colours, checks and light data are also touched by the toolkit's
// animation thread (ticks) and by whoever streams colours into the picture (SetKeyColor,
// GetKeyColors); every access takes the control's lock. The records GetKeyItems hands out
// stay owned by the control until ClearItem; their colour may be read from any thread.
// The control registers for animation ticks itself; once they arrive, hover and click
// changes leave their repaint to the next tick.

#include "lumoui/MPanel.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace lumo {

class CKeyboardTips;

enum KeyboardCtrlMode {
    KBMODE_ASSIGN = 100,
    KBMODE_SELECT = 101,
    KBMODE_LIGHT = 102,
    KBMODE_CUSTOM = 103,
    KBMODE_MUSIC = 104,
};

// The colour a key has until it is given one (COLORREF).
constexpr COLORREF kDefaultKeyColor = 0x0000E1FF;

// One key of the picture; owned by the control.
struct KEY_INFO {
    int index = 0;      // position in the key list at insertion
    DWORD keyValue = 0; // the application's identifier of the key; every lookup uses it
    std::string name;   // drawn on the key cap
    std::string label;  // shown in the key's tip
    std::string tip1;
    std::string tip2;
    CRect rect; // picture coordinates, before the centring offset
    bool checked = false;
    std::atomic<COLORREF> colour { kDefaultKeyColor };
    MImagePtr icon;
    int iconWidth = 0;
    int iconHeight = 0;
};

class KeyboardCtrl : public MPanel {
public:
    KeyboardCtrl(MObject* parent, UINT id, CRect rect, int visible);
    ~KeyboardCtrl() override;

    // Registers with the window's animation ticks, which drive the light preview.
    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC& hdc, CRect clip) override;
    void SetControlRect(CRect rect) override;
    // Hiding the control, or the page it lies on, hides its tip.
    void SetControlWndVisible(bool visible) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    bool OnControlRButtonDown(UINT flags, CPoint pt) override;
    bool OnControlRButtonUp(UINT flags, CPoint pt) override;
    bool OnControlRButtonDblClk(UINT flags, CPoint pt) override;
    bool OnControlTimer() override;

    // 1. Keys ------------------------------------------------------------------------------------
    // Appends a key (colour kDefaultKeyColor, unchecked, no tips); a non-empty icon file is
    // loaded from the skin folder (a file that does not load leaves the key without icon).
    // Returns the new key's index. No repaint.
    int AddKeyItem(const std::string& name, const std::string& label, DWORD keyValue, CRect rect,
        const std::string& iconFile = std::string());
    // Deletes every key; pointers from GetKeyItems become invalid.
    void ClearItem();
    // The control's own records (valid until ClearItem), in list order.
    std::vector<KEY_INFO*> GetKeyItems() const;
    int GetKeyCount() const;
    struct KeyColor {
        DWORD keyValue = 0;
        COLORREF colour = 0;
    };
    // A snapshot of every key's value and colour, safe on any thread.
    std::vector<KeyColor> GetKeyColors() const;
    // The rect shifted by the centring offset (picture to control-bitmap coordinates).
    CRect GetRealRect(CRect rect) const;

    // 2. Picture and mode ------------------------------------------------------------------------
    // Loads the picture from the skin folder; false (and no picture) on failure.
    bool SetKeyboardImage(const std::string& fileName);
    // The size at which the picture is drawn, 1:1 from its top-left corner. With a control
    // rect, centres it horizontally (offset x = (control width - width) / 2, offset y 0).
    void SetWidthAndHeight(int width, int height);
    CPoint GetOffset() const;
    double GetScale() const { return m_scale; }
    // Stores the mode and repaints.
    void SetKeyboardCtrlMode(int mode);
    int GetKeyboardCtrlMode() const { return m_mode.load(); }

    // 3. Selection and checks --------------------------------------------------------------------
    // No repaint.
    void SetSelectItem(int index);
    int GetSelectItem() const;
    int GetHoverItem() const;
    // The first key with that value; no repaint. Unknown values change nothing.
    void SetKeyCheck(DWORD keyValue, bool check);
    bool GetKeyCheck(DWORD keyValue) const;
    // Every key's check set to `value`, no selected key, repaint.
    void ResetAllItemCheck(bool value);
    void ResetAllItemCheck();
    int GetCheckItemCount() const;
    // Rubber-band selection with either button held (off by default).
    void EnableFrameSelect(bool enable);
    bool IsFrameSelecting() const;
    // The band from its start to its current point (window coordinates, normalised).
    CRect GetFrameRect() const;

    // 4. Colours ---------------------------------------------------------------------------------
    // The first key with that value; no repaint.
    void SetKeyColor(DWORD keyValue, COLORREF colour);
    // 0 for an unknown value.
    COLORREF GetKeyColor(DWORD keyValue) const;
    // Every key; repaint.
    void ResetAllItemsColor(COLORREF colour);
    // Every key white (0xFFFFFF) or `colour`; repaint.
    void SetLightModeColor(bool white, COLORREF colour);
    // The selected key and every checked key; repaint.
    void SetAllSelectColor(COLORREF colour);
    // The colour a click paints in the custom mode.
    void SetCustomColor(COLORREF colour);
    COLORREF GetCustomColor() const;
    // When the value changes: every key 0xFFFF00, stored, repaint.
    void SetMusicBrightness(int brightness);
    int GetMusicBrightness() const;

    // 5. Light animation -------------------------------------------------------------------------
    // Copies the frames: frame f, key i is byte f x keyCount + i; frame count = length /
    // keyCount (the remainder is never shown); back to the first frame; length <= 0 (or no
    // keys) clears them. Repaint.
    void SetLightModeData(const uint8_t* data, int length);
    // Ticks per frame: 5, 4, 3, 2 for speeds 0-3, 1 for any other value.
    void SetLightSpeed(int speed);
    int GetTicksPerFrame() const;
    int GetLightFrame() const;
    int GetFrameCount() const;
    // The brightness byte a key is drawn with now (255 without frames); -1 for a bad index.
    int GetKeyLightByte(int index) const;

    // 6. Texts and tips --------------------------------------------------------------------------
    // Name and label of the first key with that value both become `text`.
    void SetKeyDesc(DWORD keyValue, const std::string& text);
    void SetTipKey(DWORD keyValue, const std::string& tip1, const std::string& tip2);
    // Clears both tip texts of every key.
    void ResetTipKey();
    // The floating tip over the hovered key (off by default).
    void EnableKBTips(bool enable);
    // The key value of the key last clicked (0 before any).
    DWORD GetCurrentKeyValue() const { return m_currentKeyValue.load(); }
    // The tip window once it was needed; null before.
    CKeyboardTips* GetTipsWindow() const { return m_tips.get(); }

private:
    // A field read or written under the lock.
    template <class T> T Read(const T& field) const
    {
        std::lock_guard lock(m_lock);
        return field;
    }
    template <class T> void Write(T& field, T value)
    {
        std::lock_guard lock(m_lock);
        field = value;
    }
    // action(KEY_INFO&) on the first key with that value, under the lock; nothing for an
    // unknown value.
    template <class Action> void WithKey(DWORD keyValue, Action action);
    // action(KEY_INFO&) on every key under the lock, then a repaint.
    template <class Action> void ForEachKey(Action action);

    // Callers hold m_lock.
    int KeyAt(CPoint windowPt) const;
    CRect WindowRect(const KEY_INFO& key) const;
    KEY_INFO* FindKey(DWORD keyValue) const;
    bool IsIndex(int index) const { return index >= 0 && index < static_cast<int>(m_items.size()); }
    void RecomputeOffset();
    uint8_t LightByte(int index) const;

    // Drawing (KeyboardCtrlPaint.cpp).
    void PaintMode(HDC dc);
    void PaintPicture(HDC dc);
    void PaintCaps(HDC dc);
    void PaintOutlines(HDC dc, int mode);
    void DrawTextAndIcon(HDC dc, const KEY_INFO& key, const CRect& rect);
    void DrawFrameSelect(HDC hdc) const;

    // Input (KeyboardCtrlInput.cpp).
    void CalFrameSelect(CPoint pt);
    void StartFrame(CPoint pt);
    bool ClearFrame();
    void UpdateHover(CPoint pt);
    void SetTips(int index, bool show);
    void HideTips();
    // A change the user sees: repaints at once, or leaves it to the next tick once ticks run.
    void RequestRedraw();

    std::vector<std::unique_ptr<KEY_INFO>> m_items; // guarded by m_lock
    mutable std::recursive_mutex m_lock;
    int m_hover = -1;
    int m_select = -1;
    std::atomic<int> m_mode { KBMODE_ASSIGN };
    int m_offsetX = 6;
    int m_offsetY = 6;
    int m_imageWidth = 0;
    int m_imageHeight = 0;
    double m_scale = 1.0;
    MImagePtr m_keyboardImage;
    // Light frames (guarded by m_lock).
    std::vector<uint8_t> m_lightData;
    int m_lightKeyCount = 0;
    int m_frame = 0;
    int m_frameCount = 0;
    int m_tick = 0;
    int m_ticksPerFrame = 1;
    int m_musicBrightness = 255;
    COLORREF m_customColor = 255;
    std::atomic<DWORD> m_currentKeyValue { 0 };
    bool m_tipsEnabled = false;
    bool m_frameSelectEnabled = false;
    // Rubber band, window coordinates.
    bool m_frameArmed = false;
    bool m_frameActive = false;
    CPoint m_frameStart;
    CPoint m_frameCurrent;
    int m_tipShown = -1;
    std::unique_ptr<CKeyboardTips> m_tips;
    std::atomic<bool> m_ticksRunning { false };
    std::atomic<bool> m_redrawPending { false };
};

} // namespace lumo
