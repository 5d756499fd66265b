#pragma once
// Where the report window's controls go for a given client size: the three buttons in a row at
// the bottom right, the report filling everything above them.
struct TControlBox {
  int left = 0, top = 0, width = 0, height = 0;
};

struct TReportLayout {
  TControlBox report, copy, save, close;
};

inline constexpr int kReportMargin = 8;
inline constexpr int kReportButtonWidth = 80;
inline constexpr int kReportButtonHeight = 25;
inline constexpr int kReportButtonGap = 6;
// Wide enough for the three buttons and a useful strip of report; the window never gets smaller.
inline constexpr int kReportMinClientWidth =
    2 * kReportMargin + 3 * kReportButtonWidth + 2 * kReportButtonGap + 40;
inline constexpr int kReportMinClientHeight = 160;
// The first size shows a whole module block and the longest lines of the report.
inline constexpr int kReportInitialClientWidth = 720;
inline constexpr int kReportInitialClientHeight = 480;

// Below the minimum size (a minimised window reports 0 x 0) the controls keep the minimum layout.
TReportLayout LayoutReportWindow(int clientWidth, int clientHeight);
