#pragma once

// Driving the toolkit without a display: windows are bitmaps in memory, input is injected
// and the shown pixels can be read back. Used by tests and benchmarks; select it with
// Enable() before the first window exists, or with LUMOUI_HEADLESS=1.
// Points are client coordinates of the window named; input goes through the same path as
// real input (capture, disabled windows, double clicks, activation by click).

#include "lumoui/Types.h"

#include <string>

namespace lumo::headless {

// Selects the headless backend. Returns false when another backend is already running.
bool Enable();
bool IsActive();

// A manual clock only moves with AdvanceTime (blocking loops jump to their next deadline).
void UseManualClock(bool manual);
void AdvanceTime(uint32_t ms);

void MouseMove(HWND hwnd, int x, int y);
void MouseDown(HWND hwnd, int x, int y, bool right = false);
void MouseUp(HWND hwnd, int x, int y, bool right = false);
// Press and release at the same point.
void Click(HWND hwnd, int x, int y, bool right = false);
void Wheel(HWND hwnd, int x, int y, int delta);
void MouseLeave(HWND hwnd);
// Keys go to the focus window. `usage` is the HID usage reported with the key.
void KeyDown(UINT vk, UINT usage = 0);
void KeyUp(UINT vk, UINT usage = 0);
void Text(const std::string& utf8);
void Composition(const std::string& utf8, int cursor);
void Focus(HWND hwnd, bool gained);
void CloseRequest(HWND hwnd);

// Runs everything pending on the calling thread's queue (posted and input messages, due
// paints and timers) without waiting. Returns the number of messages dispatched; WM_QUIT
// is left in the queue.
int PumpMessages();

// The window's shown pixels as unpremultiplied 0xAARRGGBB; 0 outside the window. Windows
// that are not layered show opaque pixels.
ARGB GetPixel(HWND hwnd, int x, int y);
bool SavePng(HWND hwnd, const std::string& path);
// How often the window was presented, and the union of presented rects since the last
// ResetPresented.
int GetPresentCount(HWND hwnd);
CRect GetPresentedRect(HWND hwnd);
void ResetPresented(HWND hwnd);
bool IsShown(HWND hwnd);
// Number of window drags started by presses that no control took.
int GetDragCount(HWND hwnd);
HCURSOR GetCurrentCursor();
bool IsTextInputOn();

} // namespace lumo::headless
