// KeyboardCtrl: the key list, picture, selection, colours, light frames and texts.
// Drawing is in KeyboardCtrlPaint.cpp, mouse, tips and ticks in KeyboardCtrlInput.cpp.

#include "lumoui/KeyboardCtrl.h"

#include "lumoui/CKeyboardTips.h"
#include "lumoui/ControlFactory.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"

namespace lumo {

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
// Every key takes this colour when the music brightness changes.
constexpr COLORREF kMusicColor = 0xFFFF00;

} // namespace

KeyboardCtrl::KeyboardCtrl(MObject* parent, UINT id, CRect rect, int visible) : MPanel(parent, id, rect, visible) { }

KeyboardCtrl::~KeyboardCtrl()
{
    // The tip window belongs to this control, not to the dialog it floats over.
    m_tips.reset();
}

void KeyboardCtrl::InitControl(PaintManager* manager)
{
    MPanel::InitControl(manager);
    if (manager) {
        AddMTimer();
        SetRunTimer(true);
    }
}

// Keys --------------------------------------------------------------------------------------------

int KeyboardCtrl::AddKeyItem(
    const std::string& name, const std::string& label, DWORD keyValue, CRect rect, const std::string& iconFile)
{
    auto key = std::make_unique<KEY_INFO>();
    key->keyValue = keyValue;
    key->name = name;
    key->label = label;
    key->rect = rect;
    if (!iconFile.empty()) {
        key->icon = MRender::LoadImageFromFile(Manager::GetSkinFolder() + iconFile);
        if (key->icon) {
            key->iconWidth = key->icon->GetWidth();
            key->iconHeight = key->icon->GetHeight();
        }
    }
    std::lock_guard lock(m_lock);
    key->index = static_cast<int>(m_items.size());
    m_items.push_back(std::move(key));
    return m_items.back()->index;
}

void KeyboardCtrl::ClearItem()
{
    HideTips();
    std::lock_guard lock(m_lock);
    m_items.clear();
    m_hover = -1;
    m_select = -1;
    m_tipShown = -1;
}

std::vector<KEY_INFO*> KeyboardCtrl::GetKeyItems() const
{
    std::lock_guard lock(m_lock);
    std::vector<KEY_INFO*> out;
    out.reserve(m_items.size());
    for (const auto& key : m_items) {
        out.push_back(key.get());
    }
    return out;
}

int KeyboardCtrl::GetKeyCount() const
{
    std::lock_guard lock(m_lock);
    return static_cast<int>(m_items.size());
}

template <class Action> void KeyboardCtrl::WithKey(DWORD keyValue, Action action)
{
    std::lock_guard lock(m_lock);
    if (KEY_INFO* key = FindKey(keyValue)) {
        action(*key);
    }
}

template <class Action> void KeyboardCtrl::ForEachKey(Action action)
{
    {
        std::lock_guard lock(m_lock);
        for (auto& key : m_items) {
            action(*key);
        }
    }
    UpdateControl(true);
}

std::vector<KeyboardCtrl::KeyColor> KeyboardCtrl::GetKeyColors() const
{
    std::lock_guard lock(m_lock);
    std::vector<KeyColor> out;
    out.reserve(m_items.size());
    for (const auto& key : m_items) {
        out.push_back(KeyColor { key->keyValue, key->colour.load() });
    }
    return out;
}

KEY_INFO* KeyboardCtrl::FindKey(DWORD keyValue) const
{
    for (const auto& key : m_items) {
        if (key->keyValue == keyValue) {
            return key.get();
        }
    }
    return nullptr;
}

CRect KeyboardCtrl::GetRealRect(CRect rect) const
{
    rect.OffsetRect(m_offsetX, m_offsetY);
    return rect;
}

CRect KeyboardCtrl::WindowRect(const KEY_INFO& key) const
{
    CRect r = GetRealRect(key.rect);
    r.OffsetRect(m_rect.left, m_rect.top);
    return r;
}

int KeyboardCtrl::KeyAt(CPoint windowPt) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (WindowRect(*m_items[i]).PtInRect(windowPt)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Picture and mode --------------------------------------------------------------------------------

bool KeyboardCtrl::SetKeyboardImage(const std::string& fileName)
{
    m_keyboardImage = fileName.empty() ? nullptr : MRender::LoadImageFromFile(Manager::GetSkinFolder() + fileName);
    UpdateControl(true);
    return m_keyboardImage != nullptr;
}

void KeyboardCtrl::SetWidthAndHeight(int width, int height)
{
    m_imageWidth = width;
    m_imageHeight = height;
    RecomputeOffset();
    UpdateControl(true);
}

void KeyboardCtrl::RecomputeOffset()
{
    if (m_imageWidth <= 0 || m_rect.IsRectEmpty()) {
        return;
    }
    m_scale = 1.0;
    m_offsetY = 0;
    m_offsetX = (m_rect.Width() - m_imageWidth) / 2;
}

CPoint KeyboardCtrl::GetOffset() const { return CPoint(m_offsetX, m_offsetY); }

void KeyboardCtrl::SetControlRect(CRect rect)
{
    MPanel::SetControlRect(rect);
    RecomputeOffset();
}

void KeyboardCtrl::SetControlWndVisible(bool visible)
{
    MPanel::SetControlWndVisible(visible);
    if (!visible) {
        HideTips();
    }
}

void KeyboardCtrl::SetKeyboardCtrlMode(int mode)
{
    m_mode = mode;
    UpdateControl(true);
}

// Selection and checks ----------------------------------------------------------------------------

void KeyboardCtrl::SetSelectItem(int index) { Write(m_select, index); }

int KeyboardCtrl::GetSelectItem() const { return Read(m_select); }

int KeyboardCtrl::GetHoverItem() const { return Read(m_hover); }

void KeyboardCtrl::SetKeyCheck(DWORD keyValue, bool check)
{
    WithKey(keyValue, [&](KEY_INFO& key) { key.checked = check; });
}

bool KeyboardCtrl::GetKeyCheck(DWORD keyValue) const
{
    std::lock_guard lock(m_lock);
    const KEY_INFO* key = FindKey(keyValue);
    return key && key->checked;
}

void KeyboardCtrl::ResetAllItemCheck(bool value)
{
    Write(m_select, -1);
    ForEachKey([&](KEY_INFO& key) { key.checked = value; });
}

void KeyboardCtrl::ResetAllItemCheck() { ResetAllItemCheck(false); }

int KeyboardCtrl::GetCheckItemCount() const
{
    std::lock_guard lock(m_lock);
    int count = 0;
    for (const auto& key : m_items) {
        count += key->checked ? 1 : 0;
    }
    return count;
}

void KeyboardCtrl::EnableFrameSelect(bool enable) { m_frameSelectEnabled = enable; }

bool KeyboardCtrl::IsFrameSelecting() const { return m_frameActive; }

CRect KeyboardCtrl::GetFrameRect() const
{
    return CRect(std::min(m_frameStart.x, m_frameCurrent.x), std::min(m_frameStart.y, m_frameCurrent.y),
        std::max(m_frameStart.x, m_frameCurrent.x), std::max(m_frameStart.y, m_frameCurrent.y));
}

// Colours -----------------------------------------------------------------------------------------

void KeyboardCtrl::SetKeyColor(DWORD keyValue, COLORREF colour)
{
    WithKey(keyValue, [&](KEY_INFO& key) { key.colour = colour; });
}

COLORREF KeyboardCtrl::GetKeyColor(DWORD keyValue) const
{
    std::lock_guard lock(m_lock);
    const KEY_INFO* key = FindKey(keyValue);
    return key ? key->colour.load() : 0;
}

void KeyboardCtrl::ResetAllItemsColor(COLORREF colour)
{
    ForEachKey([&](KEY_INFO& key) { key.colour = colour; });
}

void KeyboardCtrl::SetLightModeColor(bool white, COLORREF colour) { ResetAllItemsColor(white ? kWhite : colour); }

void KeyboardCtrl::SetAllSelectColor(COLORREF colour)
{
    ForEachKey([&](KEY_INFO& key) {
        if (key.checked || key.index == m_select) {
            key.colour = colour;
        }
    });
}

void KeyboardCtrl::SetCustomColor(COLORREF colour) { Write(m_customColor, colour); }

COLORREF KeyboardCtrl::GetCustomColor() const { return Read(m_customColor); }

void KeyboardCtrl::SetMusicBrightness(int brightness)
{
    {
        std::lock_guard lock(m_lock);
        if (brightness == m_musicBrightness) {
            return;
        }
        m_musicBrightness = brightness;
    }
    ResetAllItemsColor(kMusicColor);
}

int KeyboardCtrl::GetMusicBrightness() const { return Read(m_musicBrightness); }

// Light animation ---------------------------------------------------------------------------------

void KeyboardCtrl::SetLightModeData(const uint8_t* data, int length)
{
    {
        std::lock_guard lock(m_lock);
        int keys = static_cast<int>(m_items.size());
        m_frame = 0;
        m_tick = 0;
        // Without keys no frame can be cut from the data; it is dropped like empty data.
        if (!data || length <= 0 || keys == 0) {
            m_lightData.clear();
            m_frameCount = 0;
            m_lightKeyCount = 0;
        } else {
            m_lightData.assign(data, data + length);
            m_lightKeyCount = keys;
            m_frameCount = length / keys;
        }
    }
    UpdateControl(true);
}

void KeyboardCtrl::SetLightSpeed(int speed)
{
    static constexpr int kTicks[] = { 5, 4, 3, 2 };
    std::lock_guard lock(m_lock);
    m_ticksPerFrame = speed >= 0 && speed < 4 ? kTicks[speed] : 1;
}

int KeyboardCtrl::GetTicksPerFrame() const { return Read(m_ticksPerFrame); }

int KeyboardCtrl::GetLightFrame() const { return Read(m_frame); }

int KeyboardCtrl::GetFrameCount() const { return Read(m_frameCount); }

uint8_t KeyboardCtrl::LightByte(int index) const
{
    if (m_frameCount <= 0 || index >= m_lightKeyCount) {
        return 255;
    }
    size_t at = static_cast<size_t>(m_frame) * static_cast<size_t>(m_lightKeyCount) + static_cast<size_t>(index);
    return at < m_lightData.size() ? m_lightData[at] : 255;
}

int KeyboardCtrl::GetKeyLightByte(int index) const
{
    std::lock_guard lock(m_lock);
    return IsIndex(index) ? LightByte(index) : -1;
}

// Texts -------------------------------------------------------------------------------------------

void KeyboardCtrl::SetKeyDesc(DWORD keyValue, const std::string& text)
{
    WithKey(keyValue, [&](KEY_INFO& key) { key.name = key.label = text; });
}

void KeyboardCtrl::SetTipKey(DWORD keyValue, const std::string& tip1, const std::string& tip2)
{
    WithKey(keyValue, [&](KEY_INFO& key) {
        key.tip1 = tip1;
        key.tip2 = tip2;
    });
}

void KeyboardCtrl::ResetTipKey()
{
    std::lock_guard lock(m_lock);
    for (auto& key : m_items) {
        key->tip1.clear();
        key->tip2.clear();
    }
}

void KeyboardCtrl::EnableKBTips(bool enable)
{
    m_tipsEnabled = enable;
    if (!enable) {
        HideTips();
    }
}

LUMO_REGISTER_CONTROL(KeyboardCtrl, kWindowFactory | kContainerFactory)

} // namespace lumo
