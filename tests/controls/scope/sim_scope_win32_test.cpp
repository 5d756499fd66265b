// The scope window under Wine: what it paints is its buffer, pixel for pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "common/window_test_support_win32.h"
#include "controls/scope/sim_scope_win32.h"

namespace {
constexpr int kWidth = 89, kHeight = 65;

// The pixels the window shows, read back from its device context into a 32-bit DIB.
std::vector<DWORD> ScreenPixels(HWND window, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC windowDc = GetDC(window);
  HDC memoryDc = CreateCompatibleDC(windowDc);
  HBITMAP bitmap = CreateDIBSection(memoryDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memoryDc, bitmap);
  BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
  GdiFlush();
  std::vector<DWORD> pixels(static_cast<const DWORD*>(bits),
                            static_cast<const DWORD*>(bits) + width * height);
  for (DWORD& p : pixels) p &= 0x00FFFFFF;
  SelectObject(memoryDc, old);
  DeleteObject(bitmap);
  DeleteDC(memoryDc);
  ReleaseDC(window, windowDc);
  return pixels;
}

std::vector<DWORD> BufferPixels(const TSimScope& scope) {
  const TRaster& buffer = scope.Buffer();
  return std::vector<DWORD>(buffer.Bits(), buffer.Bits() + buffer.Width() * buffer.Height());
}

// One visible parent for every test: under Wine without a window manager, taking a top-level
// window off the screen waits for the X server, so it is done once.
class ScopeWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    parent = CreateWindowExA(0, "STATIC", "scope test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                             300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  static void TearDownTestSuite() { DestroyWindow(parent); }

  void SetUp() override {
    ASSERT_NE(parent, nullptr);
    window = CreateSimScopeWindow(parent, 7, 10, 10, kWidth, kHeight);
    ASSERT_NE(window, nullptr);
    scope = SimScopeFromWindow(window);
    ASSERT_NE(scope, nullptr);
    scope->SetGridSize(5);
    scope->SetBaseLine(80);
    scope->Lines().Add();
    scope->Loaded();
    UpdateWindow(parent);
    PumpFor(std::chrono::milliseconds(100));
  }
  void TearDown() override { DestroyWindow(window); }

  static inline HWND parent = nullptr;
  HWND window = nullptr;
  TSimScope* scope = nullptr;
};
}  // namespace

TEST_F(ScopeWindowTest, IsAChildOfItsOwnClassAndOnlyItsWindowsHaveAScope) {
  EXPECT_EQ(GetParent(window), parent);
  EXPECT_EQ(GetDlgCtrlID(window), 7);
  EXPECT_EQ(SimScopeFromWindow(parent), nullptr);
  EXPECT_EQ(SimScopeFromWindow(nullptr), nullptr);
  EXPECT_EQ(scope->Width(), kWidth);
  EXPECT_EQ(scope->Left(), 10);
}

TEST_F(ScopeWindowTest, PaintsItsBufferAndAdvanceShowsAtOnce) {
  EXPECT_EQ(ScreenPixels(window, kWidth, kHeight), BufferPixels(*scope));
  scope->Lines().Items(0).SetPosition(70);
  for (int i = 0; i < 5; ++i) scope->Advance();  // no message loop in between
  EXPECT_EQ(ScreenPixels(window, kWidth, kHeight), BufferPixels(*scope));
  scope->SetColor(0x00402010);
  scope->SetBaseLine(30);  // with a parent, the setter redraws and repaints
  EXPECT_EQ(ScreenPixels(window, kWidth, kHeight), BufferPixels(*scope));
  EXPECT_EQ(scope->Buffer().Pixel(1, 1), 0x00402010u);
}

TEST_F(ScopeWindowTest, ErasingTheBackgroundLeavesThePicture) {
  const std::vector<DWORD> before = ScreenPixels(window, kWidth, kHeight);
  HDC dc = GetDC(window);
  EXPECT_EQ(SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  ReleaseDC(window, dc);
  EXPECT_EQ(ScreenPixels(window, kWidth, kHeight), before);
}

TEST_F(ScopeWindowTest, ResizingKeepsWindowAndScopeTogetherAndNeverBelowTwentyPixels) {
  MoveWindow(window, 4, 6, 10, 10, TRUE);
  RECT rect;
  GetClientRect(window, &rect);
  EXPECT_EQ(rect.right, 20);
  EXPECT_EQ(rect.bottom, 20);
  EXPECT_EQ(scope->Width(), 20);
  EXPECT_EQ(scope->Height(), 20);
  EXPECT_EQ(scope->Left(), 4);
  scope->SetBounds(3, 5, 50, 30);
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 3);
  EXPECT_EQ(rect.top, 5);
  EXPECT_EQ(rect.right - rect.left, 50);
  EXPECT_EQ(rect.bottom - rect.top, 30);
  EXPECT_EQ(scope->TotalTimeSteps(), 50);
  PumpFor(std::chrono::milliseconds(50));
  EXPECT_EQ(ScreenPixels(window, 50, 30), BufferPixels(*scope));
}

TEST_F(ScopeWindowTest, ItsClockAdvancesOnlyWhileActive) {
  int updates = 0;
  scope->OnUpdate = [&](TSimScope&) { ++updates; };
  scope->SetInterval(2);  // 20 ms
  PumpFor(std::chrono::milliseconds(150));
  EXPECT_EQ(updates, 0);
  scope->SetActive(true);
  PumpFor(std::chrono::milliseconds(400));
  EXPECT_GE(updates, 3);
  scope->SetActive(false);
  const int stopped = updates;
  PumpFor(std::chrono::milliseconds(150));
  EXPECT_EQ(updates, stopped);
}

TEST_F(ScopeWindowTest, DestroyingTheWindowFreesItsScope) {
  auto sentinel = std::make_shared<int>(0);
  std::weak_ptr<int> watch = sentinel;
  scope->OnUpdate = [sentinel](TSimScope&) {};
  sentinel.reset();
  EXPECT_FALSE(watch.expired());
  DestroyWindow(window);
  EXPECT_TRUE(watch.expired());
  EXPECT_EQ(SimScopeFromWindow(window), nullptr);
}
