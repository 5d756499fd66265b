#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "controls/image_button/img_btn_test_support_win32.h"
#include "controls/image_button/spec_button_win32.h"

namespace {
constexpr int kSpecId = 301;

COLORREF Face() { return GetSysColor(COLOR_BTNFACE); }

bool Colourful(COLORREF c) {
  const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
  return std::abs(r - g) > 40 || std::abs(g - b) > 40 || std::abs(r - b) > 40;
}

bool Ring(const TCapture& c, COLORREF color) {
  for (int x = 0; x < c.Width(); ++x)
    if (c.At(x, 0) != color || c.At(x, c.Height() - 1) != color) return false;
  for (int y = 0; y < c.Height(); ++y)
    if (c.At(0, y) != color || c.At(c.Width() - 1, y) != color) return false;
  return true;
}

class SpecButtonTest : public ::testing::Test {
 protected:
  void SetUp() override { FHost.Reset(); }
  void TearDown() override { FHost.Reset(); }

  HWND SpecButton(bool classic) {
    HWND group = CreateWindowExA(0, "BUTTON", "Slot 1", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 8, 8,
                                 361, 161, FHost.Handle(), nullptr, nullptr, nullptr);
    SendMessageA(group, WM_SETFONT, reinterpret_cast<WPARAM>(FHost.Font()), FALSE);
    HWND b = CreateSpecButton(group, kSpecId, 280, 16, 73, 89, "Get Specification");
    if (classic) MakeClassic(b);
    return b;
  }

  // The button's BN_CLICKED goes to its group, which the test hands on to the host.
  static LRESULT CALLBACK ForwardCommand(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_COMMAND) return SendMessageA(GetParent(w), msg, wp, lp);
    return DefSubclassProc(w, msg, wp, lp);
  }

  TTestHost& FHost = TTestHost::Get();
};
}  // namespace

TEST_F(SpecButtonTest, PictureAboveTheCaptionInTheParentFont) {
  HWND b = SpecButton(true);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(b, WM_GETFONT, 0, 0)), FHost.Font());
  const TCapture c(b);
  const RECT all{0, 0, c.Width(), c.Height()};
  const int colourful = c.Count(all, [&](int x, int y) { return Colourful(c.At(x, y)); });
  EXPECT_GT(colourful, 50);
  const RECT glyph{0, 0, c.Width(), 3 + 6 + kSpecGlyphSize};
  const RECT caption{0, 3 + 6 + kSpecGlyphSize, c.Width(), c.Height()};
  const RECT glyphExtent = c.Extent(glyph, Face());
  EXPECT_NEAR((glyphExtent.left + glyphExtent.right) / 2, c.Width() / 2, 2);
  const RECT text = c.Extent(caption, Face());
  EXPECT_GE(text.bottom - text.top, 2 * 11);  // "Get" / "Specification": two lines
  EXPECT_LE(text.right - text.left, c.Width() - 6);
}

TEST_F(SpecButtonTest, FlatUntilHoveredOrFocused) {
  for (bool classic : {true, false}) {
    SCOPED_TRACE(classic ? "classic" : "themed");
    HWND b = SpecButton(classic);
    EXPECT_TRUE(Ring(TCapture(b), Face()));
    MoveMouseTo(b, 36, 44);
    ASSERT_TRUE(PumpUntil([&] { return !Ring(TCapture(b), Face()); }));
    MoveMouseTo(FHost.Handle(), 780, 380);
    EXPECT_TRUE(PumpUntil([&] { return Ring(TCapture(b), Face()); }));
    SetFocus(b);
    Pump();
    EXPECT_FALSE(Ring(TCapture(b), Face()));
    FHost.Reset();
  }
}

TEST_F(SpecButtonTest, DisabledButtonIsGreyed) {
  HWND b = SpecButton(true);
  EnableWindow(b, FALSE);
  const TCapture c(b);
  const RECT all{0, 0, c.Width(), c.Height()};
  EXPECT_EQ(c.Count(all, [&](int x, int y) { return Colourful(c.At(x, y)); }), 0);
  EXPECT_EQ(c.Count(all, [&](int x, int y) { return c.At(x, y) == GetSysColor(COLOR_BTNTEXT); }), 0);
  const int engraved = c.Count(all, [&](int x, int y) {
    return c.At(x, y) == GetSysColor(COLOR_BTNSHADOW) &&
           c.At(x + 1, y + 1) == GetSysColor(COLOR_BTNHIGHLIGHT);
  });
  EXPECT_GT(engraved, 20);
}

TEST_F(SpecButtonTest, EnterSpaceAndMouseClickIt) {
  HWND b = SpecButton(true);
  SetWindowSubclass(GetParent(b), ForwardCommand, 1, 0);
  SetFocus(b);
  PressKey(VK_SPACE);
  EXPECT_TRUE(PumpUntil([&] { return FHost.Clicks().size() == 1; }, FHost.Handle()));
  PressKey(VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return FHost.Clicks().size() == 2; }, FHost.Handle()));
  MoveMouseTo(b, 36, 44);
  MouseButton(true);
  MouseButton(false);
  EXPECT_TRUE(PumpUntil([&] { return FHost.Clicks().size() == 3; }));
  EXPECT_EQ(FHost.Clicks(), (std::vector<int>{kSpecId, kSpecId, kSpecId}));
  RemoveWindowSubclass(GetParent(b), ForwardCommand, 1);
}
