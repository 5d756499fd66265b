#include "ui/report_window/report_window_layout.h"

#include <algorithm>

TReportLayout LayoutReportWindow(int clientWidth, int clientHeight) {
  const int width = std::max(clientWidth, kReportMinClientWidth);
  const int height = std::max(clientHeight, kReportMinClientHeight);
  const int buttonTop = height - kReportMargin - kReportButtonHeight;
  auto button = [&](int fromRight) {  // 0 = the rightmost
    const int right = width - kReportMargin - fromRight * (kReportButtonWidth + kReportButtonGap);
    return TControlBox{right - kReportButtonWidth, buttonTop, kReportButtonWidth,
                       kReportButtonHeight};
  };
  TReportLayout layout;
  layout.close = button(0);
  layout.save = button(1);
  layout.copy = button(2);
  layout.report = {kReportMargin, kReportMargin, width - 2 * kReportMargin,
                   buttonTop - kReportButtonGap - kReportMargin};
  return layout;
}
