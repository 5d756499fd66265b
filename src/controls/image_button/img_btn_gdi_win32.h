#pragma once
// Small owners for the GDI and theme handles the self-drawn buttons use: every object is deleted
// and every selection restored on the way out, also when drawing stops early.
#include <windows.h>
#include <uxtheme.h>

#include <utility>

template <class Handle>
class TGdiObject {
 public:
  TGdiObject() = default;
  explicit TGdiObject(Handle h) : FHandle(h) {}
  TGdiObject(TGdiObject&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.FHandle, nullptr));
    return *this;
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;
  ~TGdiObject() { Reset(); }

  Handle Get() const { return FHandle; }
  Handle Release() { return std::exchange(FHandle, nullptr); }
  void Reset(Handle h = nullptr) {
    if (FHandle) DeleteObject(FHandle);
    FHandle = h;
  }

 private:
  Handle FHandle = nullptr;
};

using TFontHandle = TGdiObject<HFONT>;
using TBrushHandle = TGdiObject<HBRUSH>;
using TPenHandle = TGdiObject<HPEN>;
using TBitmapHandle = TGdiObject<HBITMAP>;

class TIconHandle {
 public:
  TIconHandle() = default;
  explicit TIconHandle(HICON h) : FHandle(h) {}
  TIconHandle(TIconHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  TIconHandle& operator=(TIconHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.FHandle, nullptr));
    return *this;
  }
  TIconHandle(const TIconHandle&) = delete;
  TIconHandle& operator=(const TIconHandle&) = delete;
  ~TIconHandle() { Reset(); }

  HICON Get() const { return FHandle; }
  void Reset(HICON h = nullptr) {
    if (FHandle) DestroyIcon(FHandle);
    FHandle = h;
  }

 private:
  HICON FHandle = nullptr;
};

// Selects an object into a DC for the lifetime of the guard.
class TSelectGuard {
 public:
  TSelectGuard(HDC dc, HGDIOBJ object) : FDc(dc), FOld(object ? SelectObject(dc, object) : nullptr) {}
  ~TSelectGuard() {
    if (FOld) SelectObject(FDc, FOld);
  }
  TSelectGuard(const TSelectGuard&) = delete;
  TSelectGuard& operator=(const TSelectGuard&) = delete;

 private:
  HDC FDc;
  HGDIOBJ FOld;
};

// Saves the whole DC state (colours, modes, objects) and puts it back.
class TSavedDc {
 public:
  explicit TSavedDc(HDC dc) : FDc(dc), FId(SaveDC(dc)) {}
  ~TSavedDc() {
    if (FId) RestoreDC(FDc, FId);
  }
  TSavedDc(const TSavedDc&) = delete;
  TSavedDc& operator=(const TSavedDc&) = delete;

 private:
  HDC FDc;
  int FId;
};

class TMemoryDc {
 public:
  explicit TMemoryDc(HDC compatibleWith = nullptr) : FDc(CreateCompatibleDC(compatibleWith)) {}
  ~TMemoryDc() {
    if (FDc) DeleteDC(FDc);
  }
  TMemoryDc(const TMemoryDc&) = delete;
  TMemoryDc& operator=(const TMemoryDc&) = delete;
  HDC Get() const { return FDc; }

 private:
  HDC FDc;
};

// The theme of a window's class, or none when visual styles are off for it.
class TThemeData {
 public:
  TThemeData(HWND window, const wchar_t* classList) : FTheme(OpenThemeData(window, classList)) {}
  ~TThemeData() {
    if (FTheme) CloseThemeData(FTheme);
  }
  TThemeData(const TThemeData&) = delete;
  TThemeData& operator=(const TThemeData&) = delete;
  HTHEME Get() const { return FTheme; }
  explicit operator bool() const { return FTheme != nullptr; }

 private:
  HTHEME FTheme;
};

inline void FillSolid(HDC dc, const RECT& r, COLORREF color) {
  TBrushHandle brush(CreateSolidBrush(color));
  FillRect(dc, &r, brush.Get());
}

// One-pixel 3-D frame: top and left edges in one colour, bottom and right in the other.
inline void Frame3D(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
  FillSolid(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
  FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, topLeft);
  FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
  FillSolid(dc, RECT{r.left + 1, r.bottom - 1, r.right, r.bottom}, bottomRight);
}
