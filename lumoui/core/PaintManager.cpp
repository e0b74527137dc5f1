// PaintManager: window binding, layers and factory, caches, focus, timers and teardown.
// Painting lives in PaintManagerPaint.cpp, message handling in PaintManagerInput.cpp.

#include "lumoui/PaintManager.h"
#include "core/ToolTipWnd.h"
#include "lumoui/ControlFactory.h"
#include "lumoui/MControl.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/WindowApi.h"

#include <algorithm>
#include <filesystem>

namespace lumo {

namespace {

// Native timer IDs cycle through 0-239; the window's own timers use these numbers, so
// control timers never get them.
constexpr UINT kNativeTimerIds = 240;
bool IsReservedTimerId(UINT id) { return id == 66 || id == 88 || id == 99; }

} // namespace

PaintManager::PaintManager() = default;

PaintManager::~PaintManager() { DestroyData(); }

bool PaintManager::OnWindowThread() const
{
    return !m_initialized || std::this_thread::get_id() == m_windowThread;
}

void PaintManager::Init(HWND hwnd, MWindow* dialog)
{
    m_hwnd = hwnd;
    m_dialog = dialog;
    m_windowThread = std::this_thread::get_id();
    std::string arial = Manager::GetAppFolder() + "font/Arial.ttf";
    std::error_code ec;
    if (std::filesystem::exists(arial, ec)) {
        AddTempFont("Arial", arial);
    }
    if (std::filesystem::exists(MRender::GetResourcePath(106, "ttf"), ec)) {
        AddGDITempFont(106);
    }
    m_initialized = true;
    SetScrollResID(102, 101);
}

void PaintManager::SetBackColor(COLORREF back, COLORREF border)
{
    m_backColor = back;
    m_borderColor = border;
}

void PaintManager::SetBackMode(enumBackMode mode, int edge)
{
    m_backMode = mode;
    m_backEdge = edge;
}

bool PaintManager::LoadBKImage(const std::string& fileName)
{
    m_bkImage = MImage::FromFile(Manager::GetSkinFolder() + fileName);
    return m_bkImage != nullptr;
}

bool PaintManager::LoadBKImage(UINT resourceID, const std::string& type)
{
    m_bkImage = MRender::LoadImageFromIDResource(resourceID, type);
    return m_bkImage != nullptr;
}

void PaintManager::SetLayeredWindow(bool layered)
{
    m_layered = layered;
    HWND hwnd = m_hwnd.load();
    if (IsWindow(hwnd)) {
        intptr_t ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
        SetWindowLongPtrW(hwnd, GWL_EXSTYLE, layered ? (ex | WS_EX_LAYERED) : (ex & ~static_cast<intptr_t>(WS_EX_LAYERED)));
        Invalidate();
    }
}

// Layers and factory ------------------------------------------------------------------------------

MControl* PaintManager::CreateControl(
    int kind, MObject* parent, const char* className, UINT id, CRect rect, const char* title, int a, int b)
{
    MControl* control = ControlFactory::Construct(kWindowFactory, className, parent, id, rect, title, a, b);
    if (!control) {
        return nullptr;
    }
    control->SetManager(this);
    AddControl(control, kind);
    // A control made while the window is shown must appear without waiting for another paint.
    if ((kind == 0 || kind == 1) && control->IsVisible()) {
        OnControlUpdate(control->GetRect(), true, control);
    }
    return control;
}

MControl* PaintManager::CreateArea(
    MObject* parent, const char* className, UINT id, CRect rect, const char* title, int a, int b)
{
    return CreateControl(0, parent, className, id, rect, title, a, b);
}

void PaintManager::AddControl(MControl* control, int kind)
{
    if (!control) {
        return;
    }
    if (kind == 0) {
        std::lock_guard lock(m_areaLock);
        m_areaLayer.push_back(control);
    } else if (kind == 1) {
        std::lock_guard lock(m_controlLock);
        m_controlLayer.push_back(control);
    }
}

std::vector<MControl*> PaintManager::GetControls() const
{
    std::lock_guard lock(m_controlLock);
    return m_controlLayer;
}

std::vector<MControl*> PaintManager::GetAreaControls() const
{
    std::lock_guard lock(m_areaLock);
    return m_areaLayer;
}

std::vector<MControl*> PaintManager::TopLevel() const
{
    std::vector<MControl*> all = GetAreaControls();
    std::vector<MControl*> controls = GetControls();
    all.insert(all.end(), controls.begin(), controls.end());
    return all;
}

MControl* PaintManager::GetControl(UINT id) const
{
    for (const auto& layer : { GetControls(), GetAreaControls() }) {
        for (MControl* c : layer) {
            if (c->GetControlID() == id) {
                return c;
            }
            if (MControl* found = c->GetControl(id)) {
                return found;
            }
        }
    }
    return nullptr;
}

bool PaintManager::RemoveControl(MControl* control)
{
    bool found = false;
    for (auto* layer : { &m_areaLayer, &m_controlLayer }) {
        std::recursive_mutex& lock = layer == &m_areaLayer ? m_areaLock : m_controlLock;
        std::lock_guard guard(lock);
        auto it = std::find(layer->begin(), layer->end(), control);
        if (it != layer->end()) {
            layer->erase(it);
            found = true;
            break;
        }
    }
    if (!found) {
        return false;
    }
    CRect vacated = control->IsVisible() ? control->GetRect() : CRect();
    control->DetachFromManager();
    delete control;
    RepaintVacated(vacated);
    return true;
}

void PaintManager::RepaintVacated(CRect rect)
{
    if (!m_initialized || rect.IsRectEmpty()) {
        return;
    }
    // Whatever overlapped the control may hold its picture in a cached rendering.
    CRect region = rect;
    for (MControl* c : TopLevel()) {
        if (c->IsVisible() && c->GetRect().Intersects(rect)) {
            c->SetUpdate(false, m_backColor);
            region.UnionRect(region, c->GetRect());
        }
    }
    InvalidateRect(region, false);
}

void PaintManager::ClearLayer(std::vector<MControl*>& layer, std::recursive_mutex& lock)
{
    std::vector<MControl*> doomed;
    {
        std::lock_guard guard(lock);
        doomed.swap(layer);
    }
    for (MControl* c : doomed) {
        c->DetachFromManager();
        delete c;
    }
}

void PaintManager::ClearControls()
{
    ClearLayer(m_controlLayer, m_controlLock);
    RepaintAll();
}

void PaintManager::ClearAreaControls()
{
    ClearLayer(m_areaLayer, m_areaLock);
    RepaintAll();
}

void PaintManager::ClearAllControls()
{
    ClearLayer(m_areaLayer, m_areaLock);
    ClearLayer(m_controlLayer, m_controlLock);
    RepaintAll();
}

void PaintManager::RepaintAll()
{
    if (!m_initialized) {
        return;
    }
    for (MControl* c : TopLevel()) {
        c->SetUpdate(false, m_backColor);
    }
    Invalidate();
}

// Caches ------------------------------------------------------------------------------------------

namespace {

std::unique_ptr<ImgResInfo> MakeImgResInfo(const MImagePtr& image, int count, const std::string& fileName)
{
    auto info = std::make_unique<ImgResInfo>();
    info->sliceCount = std::max(1, count);
    info->image = image;
    info->sliceWidth = image->GetWidth() / info->sliceCount;
    info->sliceHeight = image->GetHeight();
    info->fileName = fileName;
    return info;
}

} // namespace

ImgResInfo* PaintManager::AddImgResInfo(const std::string& fileName, int count)
{
    if (fileName.empty()) {
        return nullptr;
    }
    std::lock_guard lock(m_imageLock);
    auto it = m_images.find(fileName);
    if (it != m_images.end()) {
        return it->second.get();
    }
    MImagePtr image = MImage::FromFile(Manager::GetSkinFolder() + fileName);
    if (!image) {
        return nullptr;
    }
    return m_images.emplace(fileName, MakeImgResInfo(image, count, fileName)).first->second.get();
}

ImgResInfo* PaintManager::AddImgResInfo(UINT resourceID, const std::string& type, int count)
{
    std::string key = "res:" + std::to_string(resourceID) + ":" + type;
    std::lock_guard lock(m_imageLock);
    auto it = m_images.find(key);
    if (it != m_images.end()) {
        return it->second.get();
    }
    MImagePtr image = MRender::LoadImageFromIDResource(resourceID, type);
    if (!image) {
        return nullptr;
    }
    auto info = MakeImgResInfo(image, count, MRender::GetResourcePath(resourceID, type));
    return m_images.emplace(key, std::move(info)).first->second.get();
}

void PaintManager::ClearImgResInfo()
{
    std::lock_guard lock(m_imageLock);
    m_images.clear();
}

const std::string* PaintManager::AddTempFont(const std::string& family, const std::string& path)
{
    if (family.empty() || !MRender::RegisterFontFile(path)) {
        return nullptr;
    }
    return CacheFamily(family);
}

const std::string* PaintManager::CacheFamily(const std::string& family)
{
    std::lock_guard lock(m_fontLock);
    auto& slot = m_fonts[family];
    if (!slot) {
        slot = std::make_unique<std::string>(family);
    }
    return slot.get();
}

const std::string* PaintManager::AddGDITempFont(UINT resourceID)
{
    std::string path = MRender::GetResourcePath(resourceID, "ttf");
    return MRender::RegisterFontFile(path) ? FindTempFont(std::string()) : nullptr;
}

const std::string* PaintManager::FindTempFont(const std::string&)
{
    std::string family = Manager::GetFontName();
    return family.empty() ? nullptr : CacheFamily(family);
}

void PaintManager::ClearTempFont()
{
    std::lock_guard lock(m_fontLock);
    m_fonts.clear();
}

void PaintManager::SetScrollResID(UINT vertical, UINT horizontal)
{
    m_scrollV = vertical;
    m_scrollH = horizontal;
}

// Focus ------------------------------------------------------------------------------------------

void PaintManager::SetFocusControl(MControl* control)
{
    if (control == m_focus) {
        return;
    }
    MControl* old = m_focus;
    m_focus = control;
    if (old) {
        old->SetControlFocus(false);
    }
    if (control) {
        control->SetControlFocus(true);
    }
}

namespace {

MControl* NextFocusable(const std::vector<MControl*>& all, MControl* current, bool forward)
{
    int n = static_cast<int>(all.size());
    if (n == 0) {
        return nullptr;
    }
    auto pos = std::find(all.begin(), all.end(), current);
    int start = pos == all.end() ? (forward ? -1 : n) : static_cast<int>(pos - all.begin());
    for (int step = 1; step <= n; ++step) {
        int i = ((start + (forward ? step : -step)) % n + n) % n;
        MControl* c = all[static_cast<size_t>(i)];
        if (c->IsVisible() && c->IsEnabled() && c->IsTabStop()) {
            return c;
        }
    }
    return nullptr;
}

} // namespace

MControl* PaintManager::GetNextFocusableControl() const { return NextFocusable(TopLevel(), m_focus, true); }
MControl* PaintManager::GetPrevFocusableControl() const { return NextFocusable(TopLevel(), m_focus, false); }

void PaintManager::SetTooltip(const std::string& text, CRect rect)
{
    HWND hwnd = m_hwnd.load();
    if (!IsWindow(hwnd)) {
        return;
    }
    if (!m_tooltip) {
        m_tooltip = std::make_unique<ToolTipWnd>();
        m_tooltip->Create(hwnd);
    }
    m_tooltip->SetTool(text, rect);
}

void PaintManager::ClearTooltip()
{
    if (m_tooltip) {
        m_tooltip->Deactivate();
    }
    m_tooltipOwner = 0xFFFFFFFF;
}

HWND PaintManager::GetTooltipWindow() const { return m_tooltip ? m_tooltip->GetHWND() : nullptr; }

void PaintManager::SetTextInputControl(MControl* control, CRect caret)
{
    m_textInput = control;
    HWND hwnd = m_hwnd.load();
    if (control) {
        StartTextInput(hwnd, caret);
    } else {
        StopTextInput();
    }
}

void PaintManager::ForgetControl(MControl* control, bool takeFocus)
{
    if (!control) {
        return;
    }
    if (takeFocus && m_focus == control) {
        SetFocusControl(nullptr);
    }
    if (m_focus == control) {
        m_focus = nullptr;
    }
    if (m_hover == control) {
        m_hover = nullptr;
        m_buttonHeld = false;
    }
    if (m_textInput == control) {
        SetTextInputControl(nullptr, CRect());
    }
    if (m_caretOwner == control) {
        DestroyCaret(control);
    }
    {
        // Taken first: once it is out of the animation list no tick can queue a repaint for it.
        std::lock_guard lock(m_animLock);
        m_animList.erase(std::remove(m_animList.begin(), m_animList.end(), control), m_animList.end());
    }
    {
        std::lock_guard lock(m_pendingLock);
        m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(),
                            [&](const PendingUpdate& p) { return p.control == control; }),
            m_pending.end());
    }
    KillTimer(control);
}

// Timers -----------------------------------------------------------------------------------------

UINT PaintManager::NextNativeTimerId()
{
    do {
        m_lastTimerId = (m_lastTimerId + 1) % kNativeTimerIds;
    } while (IsReservedTimerId(m_lastTimerId));
    return m_lastTimerId;
}

bool PaintManager::SetTimer(MControl* control, UINT key, UINT elapse)
{
    HWND hwnd = m_hwnd.load();
    if (!control || !IsWindow(hwnd)) {
        return false;
    }
    std::lock_guard lock(m_timerLock);
    for (auto& t : m_timers) {
        if (t.hwnd == hwnd && t.control == control && t.key == key) {
            if (!t.killed) {
                return false;
            }
            t.killed = false;
            ::lumo::SetTimer(hwnd, t.nativeId, elapse);
            return true;
        }
    }
    NativeTimer t;
    t.hwnd = hwnd;
    t.control = control;
    t.key = key;
    t.nativeId = NextNativeTimerId();
    ::lumo::SetTimer(hwnd, t.nativeId, elapse);
    m_timers.push_back(t);
    return true;
}

bool PaintManager::KillTimer(MControl* control, UINT key)
{
    std::lock_guard lock(m_timerLock);
    for (auto& t : m_timers) {
        if (t.control == control && t.key == key && !t.killed) {
            t.killed = true;
            bool shared = std::any_of(m_timers.begin(), m_timers.end(),
                [&](const NativeTimer& o) { return &o != &t && o.nativeId == t.nativeId && !o.killed; });
            if (!shared) {
                ::lumo::KillTimer(t.hwnd, t.nativeId);
            }
            return true;
        }
    }
    return false;
}

void PaintManager::KillTimer(MControl* control)
{
    std::lock_guard lock(m_timerLock);
    for (auto& t : m_timers) {
        if (t.control == control) {
            KillTimer(control, t.key);
        }
    }
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                       [&](const NativeTimer& t) { return t.control == control; }),
        m_timers.end());
}

void PaintManager::ClearTimers()
{
    std::lock_guard lock(m_timerLock);
    for (auto& t : m_timers) {
        if (!t.killed) {
            ::lumo::KillTimer(t.hwnd, t.nativeId);
        }
    }
    m_timers.clear();
}

UINT PaintManager::SetMTimer(UINT period)
{
    UINT old = m_animTimerId.exchange(0);
    if (old) {
        RKTimer::KillTimer(old);
    }
    UINT id = RKTimer::SetTimer(period, std::string(), false);
    m_animTimerId = id;
    return id;
}

void PaintManager::KillMTimer(UINT id)
{
    RKTimer::KillTimer(id);
    UINT expected = id;
    m_animTimerId.compare_exchange_strong(expected, 0);
}

void PaintManager::AddMTimer(MControl* control)
{
    std::lock_guard lock(m_animLock);
    if (control && std::find(m_animList.begin(), m_animList.end(), control) == m_animList.end()) {
        m_animList.push_back(control);
    }
}

void PaintManager::OnMTimer(UINT id)
{
    if (id == 0 || id != m_animTimerId.load()) {
        return;
    }
    std::lock_guard lock(m_animLock);
    for (size_t i = 0; i < m_animList.size(); ++i) {
        MControl* c = m_animList[i];
        if (c->IsRunTimer() && c->IsVisible() && c->IsParentVisible()) {
            c->OnTimer();
        }
    }
}

// Teardown ---------------------------------------------------------------------------------------

void PaintManager::OnDestroyMessage(HWND hwnd)
{
    if (hwnd && hwnd == m_hwnd.load()) {
        DestroyData();
    }
}

void PaintManager::DestroyData()
{
    // Ticks first: they reach into controls that are about to go.
    RKTimer::KillTimer();
    m_animTimerId = 0;
    ClearTimers();
    ClearTooltip();
    m_tooltip.reset();
    if (m_textInput) {
        SetTextInputControl(nullptr, CRect());
    }
    m_caretOwner = nullptr;
    m_caretShown = false;
    ClearLayer(m_areaLayer, m_areaLock);
    ClearLayer(m_controlLayer, m_controlLock);
    {
        std::lock_guard lock(m_animLock);
        m_animList.clear();
    }
    {
        std::lock_guard lock(m_pendingLock);
        m_pending.clear();
    }
    m_hover = nullptr;
    m_focus = nullptr;
    m_buttonHeld = false;
    m_captured = false;
    m_tracking = false;
    ClearImgResInfo();
    ClearTempFont();
    m_bkImage.reset();
    m_back.Release();
    m_msgText.clear();
    m_msgAlpha = 0;
    m_progress = 0;
    m_progressTarget = 0;
    m_initialized = false;
    m_hwnd = nullptr;
}

LRESULT PaintManager::SendMessageW(UINT msg, WPARAM wParam, LPARAM lParam)
{
    HWND hwnd = m_hwnd.load();
    return IsWindow(hwnd) ? ::lumo::SendMessageW(hwnd, msg, wParam, lParam) : 0;
}

LRESULT PaintManager::PostMessageW(UINT msg, WPARAM wParam, LPARAM lParam) { return SendMessageW(msg, wParam, lParam); }

} // namespace lumo
