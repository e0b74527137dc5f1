#pragma once

// The list of known devices with their connection state (the home page's model list).
//
// States: 0 not connected (not shown), 1 connected, 2 listed (a device added with its flag set).
// While no device is connected nothing but the background is drawn; otherwise rows 38 pixels
// high are stacked from the top at a pitch of the row height (50): first the connected devices,
// then the listed ones, each in list order. A connected row shows slice 1 of the image strip
// (nine-grid, edge 12) and the name in the text colour, a listed row slice 0 and the name in
// grey. A left press on a shown row makes it the current device and sends
// NOTIFY_PRESS (device index, 0).
//
// Threads: the state setters may be called from a worker thread; the list has its own lock
// and repaints are queued to the window.

#include "lumoui/MControlFont.h"

#include <mutex>
#include <string>
#include <vector>

namespace lumo {

struct DeviceItem {
    std::string name;
    int value1 = 0;
    int value2 = 0;
    int deviceType = 0;
    int state = 0; // 0 not connected, 1 connected, 2 listed
    bool flag = false;
    CRect rect; // the row as last drawn; empty while not shown
};

class CDeviceCtrl : public MControlFont {
public:
    CDeviceCtrl(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~CDeviceCtrl() override;

    // Appends a device in state 2 when `flag` is set, else 0. No repaint.
    void AddDevice(const std::string& name, int value1, int value2, int deviceType, bool flag);
    // The first device of that type gets the state, and a non-zero state makes it current;
    // then the connected count is recomputed. A type no device has only recomputes the count.
    void SetDeviceState(int deviceType, int state);
    // Every device back to state 0 (the connected count waits for the next SetDeviceState).
    void ResetAllState();
    // The current device's type; 0 without a current device or while none is connected.
    int GetCurDeviceType() const;
    int GetConnectCount() const;
    int GetCurIndex() const;
    int GetHoverIndex() const;
    int GetDeviceCount() const;
    // A copy of a device record; false for a bad index.
    bool GetDevice(int index, DeviceItem& item) const;
    void ClearList();

    void DrawControl(HDC& hdc, CRect clip) override;
    void SetControlRect(CRect rect) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;

    static constexpr int kRowHeight = 38;
    static constexpr int kRowPitch = 50;

private:
    // Places the rows of shown devices (and empties the others' rects) after every change of
    // states or rect, so hit tests never use rows of an older picture; caller holds the lock.
    void LayoutRows();
    int RowAt(CPoint pt) const;

    std::vector<DeviceItem> m_items; // guarded by m_lock, as are the fields below
    mutable std::mutex m_lock;
    int m_hover = -1;
    int m_current = -1;
    int m_connected = 0;
};

} // namespace lumo
