#include <gtest/gtest.h>

#include <cstdlib>

#include "controls/image_button/img_btn_test_images_win32.h"
#include "controls/image_button/img_btn_test_support_win32.h"
#include "controls/image_button/img_btn_win32.h"

namespace {
constexpr const char* kEmptySlotCaption = "Empty slot !\n\rClick here to get more RAM";
constexpr int kEmptySlotId = 201;
constexpr int kDriversId = 101;

COLORREF Face() { return GetSysColor(COLOR_BTNFACE); }
COLORREF Shadow() { return GetSysColor(COLOR_BTNSHADOW); }
COLORREF Highlight() { return GetSysColor(COLOR_BTNHIGHLIGHT); }

bool Colourful(COLORREF c) {
  const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
  return std::abs(r - g) > 40 || std::abs(g - b) > 40 || std::abs(r - b) > 40;
}

class ImgBtnTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FHost.Reset();
    FImages = CreateButtonImageList();
  }
  void TearDown() override {
    FHost.Reset();
    ImageList_Destroy(FImages);
  }

  TImgBtn* EmptySlotButton(bool classic) {
    // In its slot's group box, as in the main window.
    HWND group = CreateWindowExA(0, "BUTTON", "Slot 1", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 8, 8,
                                 361, 161, FHost.Handle(), nullptr, nullptr, nullptr);
    if (classic) MakeClassic(group);
    TImgBtn* b = TImgBtn::Create(group, kEmptySlotId, 8, 16, 345, 137, kEmptySlotCaption);
    b->SetFont(FHost.Font());
    b->SetFlat(true);
    b->SetWordWrap(false);
    b->SetImages(FImages);
    b->SetImageIndex(kEmptySlotImage);
    if (classic) MakeClassic(b->Handle());
    return b;
  }

  TImgBtn* DriversButton(int x = 400) {
    TImgBtn* b = TImgBtn::Create(FHost.Handle(), kDriversId, x, 8, 137, 41, "Drivers Update");
    b->SetFont(FHost.Font());
    b->SetImages(FImages);
    b->SetImageIndex(kDriversImage);
    MakeClassic(b->Handle());
    return b;
  }

  TTestHost& FHost = TTestHost::Get();
  HIMAGELIST FImages = nullptr;
};

// Every pixel of the outermost ring is the face colour: no frame drawn.
bool NoFrame(const TCapture& c) {
  for (int x = 0; x < c.Width(); ++x)
    if (c.At(x, 0) != Face() || c.At(x, c.Height() - 1) != Face()) return false;
  for (int y = 0; y < c.Height(); ++y)
    if (c.At(0, y) != Face() || c.At(c.Width() - 1, y) != Face()) return false;
  return true;
}

bool RaisedFrame(const TCapture& c) {
  const int midX = c.Width() / 2, midY = c.Height() / 2;
  return c.At(midX, 0) == Highlight() && c.At(0, midY) == Highlight() &&
         c.At(midX, c.Height() - 1) == Shadow() && c.At(c.Width() - 1, midY) == Shadow();
}
}  // namespace

TEST_F(ImgBtnTest, FlatClassicButtonShowsItsFrameOnlyWhileHoveredOrFocused) {
  TImgBtn* b = EmptySlotButton(true);
  EXPECT_TRUE(NoFrame(TCapture(b->Handle())));

  MoveMouseTo(b->Handle(), 100, 60);
  ASSERT_TRUE(PumpUntil([&] { return b->MouseInControl(); }));
  EXPECT_TRUE(RaisedFrame(TCapture(b->Handle())));

  MoveMouseTo(FHost.Handle(), 780, 380);
  ASSERT_TRUE(PumpUntil([&] { return !b->MouseInControl(); }));
  EXPECT_TRUE(NoFrame(TCapture(b->Handle())));

  SetFocus(b->Handle());
  Pump();
  EXPECT_TRUE(RaisedFrame(TCapture(b->Handle())));
}

// A theme draws hover and focus in the element itself, so Flat has no say there: the frame
// follows MustDrawButtonFrame alone.
TEST_F(ImgBtnTest, ThemedButtonDrawsItsFrameWhateverFlatSays) {
  TImgBtn* flat = EmptySlotButton(false);
  const TCapture flatLook(flat->Handle());
  EXPECT_FALSE(NoFrame(flatLook));
  flat->SetFlat(false);
  const TCapture raisedLook(flat->Handle());
  const RECT whole{0, 0, raisedLook.Width(), raisedLook.Height()};
  EXPECT_EQ(raisedLook.Count(whole, [&](int x, int y) {
    return raisedLook.At(x, y) != flatLook.At(x, y);
  }), 0);

  flat->SetFlat(true);
  flat->SetMustDrawButtonFrame(false);
  EXPECT_TRUE(NoFrame(TCapture(flat->Handle())));
  MoveMouseTo(flat->Handle(), 100, 60);
  ASSERT_TRUE(PumpUntil([&] { return flat->MouseInControl(); }));
  EXPECT_TRUE(NoFrame(TCapture(flat->Handle())));
}

TEST_F(ImgBtnTest, PressingShiftsTheContentUnlessDisabledDrawDown) {
  for (bool classic : {true, false}) {
    SCOPED_TRACE(classic ? "classic" : "themed");
    TImgBtn* b = EmptySlotButton(classic);
    // Inside any frame. The face differs between states under a theme (its corner tells it);
    // white is left out too, as the picture's top edge is white.
    const RECT inside{6, 6, 339, 131};
    auto content = [&] {
      const TCapture c(b->Handle());
      const COLORREF face = c.At(inside.left, inside.top);
      return c.Extent(inside, [&](int x, int y) {
        return c.At(x, y) != face && c.At(x, y) != RGB(255, 255, 255);
      });
    };
    const RECT rest = content();
    ASSERT_LT(rest.left, rest.right);  // image and caption were drawn

    SendMessageA(b->Handle(), BM_SETSTATE, TRUE, 0);
    const RECT pressed = content();
    EXPECT_EQ(pressed.left, rest.left + 1);
    EXPECT_EQ(pressed.right, rest.right + 1);
    EXPECT_EQ(pressed.top, rest.top + (classic ? 1 : 0));  // a theme shows the press itself

    b->SetDisableDrawDown(true);
    InvalidateRect(b->Handle(), nullptr, FALSE);
    const RECT still = content();
    EXPECT_EQ(still.left, rest.left);
    EXPECT_EQ(still.top, rest.top);
    FHost.Reset();
  }
}

TEST_F(ImgBtnTest, DisabledButtonEngravesItsCaptionAndGreysItsImage) {
  TImgBtn* b = DriversButton();
  const RECT caption{47, 4, 133, 37};
  const RECT image{5, 4, 47, 37};
  auto engraved = [](const TCapture& c) {
    return [&c](int x, int y) { return c.At(x, y) == Shadow() && c.At(x + 1, y + 1) == Highlight(); };
  };
  auto text = [](const TCapture& c) {
    return [&c](int x, int y) { return c.At(x, y) == GetSysColor(COLOR_BTNTEXT); };
  };
  auto colourful = [](const TCapture& c) { return [&c](int x, int y) { return Colourful(c.At(x, y)); }; };

  const TCapture enabled(b->Handle());
  EXPECT_GT(enabled.Count(caption, text(enabled)), 20);
  EXPECT_EQ(enabled.Count(caption, engraved(enabled)), 0);
  EXPECT_GT(enabled.Count(image, colourful(enabled)), 20);

  EnableWindow(b->Handle(), FALSE);
  const TCapture disabled(b->Handle());
  EXPECT_GT(disabled.Count(caption, engraved(disabled)), 20);
  EXPECT_EQ(disabled.Count(caption, text(disabled)), 0);
  EXPECT_EQ(disabled.Count(image, colourful(disabled)), 0);
}

TEST_F(ImgBtnTest, EnterAndSpaceClickTheFocusedButton) {
  TImgBtn* b = DriversButton();
  SetFocus(b->Handle());
  auto clicks = [&] { return FHost.Clicks().size(); };

  PressKey(VK_SPACE);
  EXPECT_TRUE(PumpUntil([&] { return clicks() == 1; }, FHost.Handle()));
  PressKey(VK_RETURN);  // through the dialog manager, as a main loop with tabbing does
  EXPECT_TRUE(PumpUntil([&] { return clicks() == 2; }, FHost.Handle()));
  PressKey(VK_RETURN);  // through a plain loop
  EXPECT_TRUE(PumpUntil([&] { return clicks() == 3; }));
  SendMessageA(b->Handle(), WM_KEYDOWN, VK_RETURN, 1 << 30);  // auto-repeat: no further click
  Pump();
  ASSERT_EQ(clicks(), 3u);
  EXPECT_EQ(FHost.Clicks(), (std::vector<int>{kDriversId, kDriversId, kDriversId}));
}

TEST_F(ImgBtnTest, MouseClickReachesTheParentAndCaptureBlocksHotTracking) {
  TImgBtn* a = DriversButton(400);
  TImgBtn* b = DriversButton(560);
  MoveMouseTo(a->Handle(), 60, 20);
  ASSERT_TRUE(PumpUntil([&] { return a->MouseInControl(); }));
  MouseButton(true);
  MouseButton(false);
  EXPECT_TRUE(PumpUntil([&] { return FHost.Clicks().size() == 1; }));

  MouseButton(true);  // press a, then drag over b
  Pump();
  MoveMouseTo(b->Handle(), 60, 20);
  PumpUntil([&] { return !a->MouseInControl(); });
  EXPECT_FALSE(b->MouseInControl());
  MouseButton(false);  // released outside a: no click
  Pump();
  EXPECT_EQ(FHost.Clicks().size(), 1u);
  MoveMouseTo(b->Handle(), 62, 21);
  EXPECT_TRUE(PumpUntil([&] { return b->MouseInControl(); }));
}

TEST_F(ImgBtnTest, HotTrackSwapsTheFontAndRaisesEnterAndLeave) {
  TImgBtn* b = DriversButton();
  int entered = 0, left = 0;
  b->OnMouseEnter = [&](TCustomImageButton&) { ++entered; };
  b->OnMouseLeave = [&](TCustomImageButton&) { ++left; };
  TFontDesc bold = b->HotTrackFont();
  bold.style = fsBold;
  b->SetHotTrackFont(bold);
  b->SetHotTrack(true);
  const RECT inside{4, 4, 133, 37};
  const TCapture plain(b->Handle());
  const RECT plainExtent = plain.Extent(inside, Face());

  MoveMouseTo(b->Handle(), 60, 20);
  ASSERT_TRUE(PumpUntil([&] { return entered == 1; }));
  const RECT hotExtent = TCapture(b->Handle()).Extent(inside, Face());
  EXPECT_GT(hotExtent.right - hotExtent.left, plainExtent.right - plainExtent.left);  // bold is wider

  MoveMouseTo(FHost.Handle(), 780, 380);
  ASSERT_TRUE(PumpUntil([&] { return left == 1; }));
  const TCapture after(b->Handle());
  EXPECT_EQ(after.Count(inside, [&](int x, int y) { return after.At(x, y) != plain.At(x, y); }), 0);
  EXPECT_EQ(entered, 1);
}

TEST_F(ImgBtnTest, HotTrackFontFollowsTheControlFont) {
  TImgBtn* b = DriversButton();
  TFontDesc before = b->HotTrackFont();
  before.style = fsItalic;
  before.color = RGB(200, 0, 0);
  b->SetHotTrackFont(before);
  HFONT arial = CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  b->SetFont(arial);
  EXPECT_EQ(b->HotTrackFont().name, "Arial");
  EXPECT_EQ(b->HotTrackFont().height, -13);
  EXPECT_EQ(b->HotTrackFont().style, unsigned(fsItalic));  // preserved by default
  EXPECT_EQ(b->HotTrackFont().color, RGB(200, 0, 0));

  b->SetHotTrackFontOptions(hoFollowFont);
  EXPECT_EQ(b->HotTrackFont().style, unsigned(fsBold));
  EXPECT_EQ(b->HotTrackFont().color, b->FontColor());
  DestroyWindow(b->Handle());
  DeleteObject(arial);
}

TEST_F(ImgBtnTest, DefaultsAndPropertyRules) {
  HWND group = CreateWindowExA(0, "BUTTON", "Slot 1", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0,
                               361, 161, FHost.Handle(), nullptr, nullptr, nullptr);
  SendMessageA(group, WM_SETFONT, reinterpret_cast<WPARAM>(FHost.Font()), FALSE);
  TImgBtn* b = TImgBtn::Create(group, 7, 8, 16, 100, 30, "x");
  EXPECT_EQ(TImgBtn::FromWindow(b->Handle()), b);
  EXPECT_EQ(b->Font(), FHost.Font());  // the parent's font
  EXPECT_EQ(b->Alignment(), iaCenter);
  EXPECT_EQ(b->Color(), TCustomImageButton::kColorBtnFace);
  EXPECT_FALSE(b->Flat());
  EXPECT_FALSE(b->HotTrack());
  EXPECT_EQ(b->HotTrackFontOptions(), kDefaultTrackFontOptions);
  EXPECT_EQ(b->Images(), nullptr);
  EXPECT_EQ(b->ImageIndex(), -1);
  EXPECT_TRUE(b->ImageVisible());
  EXPECT_EQ(b->Kind(), bkCustom);
  EXPECT_EQ(b->Layout(), blImageLeft);
  EXPECT_EQ(b->Margin(), -1);
  EXPECT_EQ(b->Spacing(), 4);
  EXPECT_TRUE(b->MustDrawFocusRect());
  EXPECT_TRUE(b->MustDrawButtonFrame());
  EXPECT_TRUE(b->WordWrap());
  EXPECT_FALSE(b->DisableDrawDown());
  EXPECT_FALSE(b->OwnerDraw());
  const LONG style = GetWindowLongA(b->Handle(), GWL_STYLE);
  EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_TRUE(style & BS_MULTILINE);
  EXPECT_TRUE(style & WS_TABSTOP);

  b->SetAlignment(iaLeft);
  b->SetMargin(-5);  // ignored
  EXPECT_EQ(b->Margin(), -1);
  EXPECT_EQ(b->Alignment(), iaLeft);
  b->SetMargin(3);
  b->SetMargin(-1);  // centres again
  EXPECT_EQ(b->Alignment(), iaCenter);
  HWND window = b->Handle();
  DestroyWindow(window);  // frees b
  EXPECT_EQ(TImgBtn::FromWindow(window), nullptr);
}

TEST_F(ImgBtnTest, OwnerDrawHandlerDrawsInsteadAndTheParentSeesNoDrawItem) {
  TImgBtn* b = DriversButton();
  int drawn = 0;
  b->OnButtonDraw = [&](TCustomImageButton&, HDC dc, const RECT& r, UINT) {
    ++drawn;
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  };
  b->SetOwnerDraw(true);
  const TCapture c(b->Handle());
  EXPECT_GE(drawn, 1);
  EXPECT_EQ(c.At(68, 20), RGB(0, 0, 0));
  EXPECT_EQ(FHost.DrawItemsSeen(), 0);  // the button's parent hook took them all

  HWND plain = CreateWindowExA(0, "BUTTON", "plain", WS_CHILD | BS_OWNERDRAW, 0, 0, 10, 10,
                               FHost.Handle(), nullptr, nullptr, nullptr);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.hwndItem = plain;
  LRESULT result = 0;
  EXPECT_FALSE(ForwardOwnerDraw(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item), result));
  item.hwndItem = b->Handle();
  item.hDC = GetDC(b->Handle());
  GetClientRect(b->Handle(), &item.rcItem);
  EXPECT_TRUE(ForwardOwnerDraw(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item), result));
  EXPECT_EQ(result, TRUE);
  ReleaseDC(b->Handle(), item.hDC);
  DestroyWindow(plain);
}
