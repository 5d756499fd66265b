#pragma once
// What the button tests under Wine share: a host window that records the clicks it is told
// about, a pixel capture of a window, message pumping and real input.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

// A top-level window on screen with the window font, recording BN_CLICKED ids and counting
// the WM_DRAWITEM messages that reach its own procedure. One for the whole test program (Wine
// takes seconds to take a top-level window off an X display without a window manager); each
// test starts with it empty, in front, and the mouse away from it.
class TTestHost {
 public:
  static TTestHost& Get();
  void Reset();  // destroys the children, clears the records
  HWND Handle() const { return FHandle; }
  HFONT Font() const { return FFont; }
  std::vector<int>& Clicks() { return FClicks; }
  int DrawItemsSeen() const { return FDrawItemsSeen; }

 private:
  TTestHost();
  static LRESULT CALLBACK HostProc(HWND, UINT, WPARAM, LPARAM);
  HWND FHandle;
  HFONT FFont;
  std::vector<int> FClicks;
  int FDrawItemsSeen = 0;
};

// The pixels of a window's client area as drawn on screen.
class TCapture {
 public:
  explicit TCapture(HWND window);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  COLORREF At(int x, int y) const;
  // Smallest rectangle holding every pixel inside `area` that differs from `background`, or
  // that passes `test`.
  RECT Extent(const RECT& area, COLORREF background) const;
  RECT Extent(const RECT& area, const std::function<bool(int x, int y)>& test) const;
  int Count(const RECT& area, const std::function<bool(int x, int y)>& test) const;

 private:
  int FWidth = 0, FHeight = 0;
  std::vector<uint32_t> FPixels;
};

// Dispatches waiting messages (through the dialog manager of `dialog` when given).
void Pump(HWND dialog = nullptr);
// Pumps until the condition holds or about two seconds passed; answers the condition.
bool PumpUntil(const std::function<bool()>& condition, HWND dialog = nullptr);

// Real input through the system's queue.
void MoveMouseTo(HWND window, int x, int y);  // client coordinates of window
void MouseButton(bool down);
void PressKey(WORD key);

// Visual styles off for one window.
void MakeClassic(HWND window);
