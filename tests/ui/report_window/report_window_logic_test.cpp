// The report window's portable parts: where the controls go, and the text it shows and saves.
#include <gtest/gtest.h>

#include <stdexcept>

#include "report/format/report_document.h"
#include "ui/report_window/report_window_layout.h"
#include "ui/report_window/report_window_text.h"

namespace {

int Right(const TControlBox& box) { return box.left + box.width; }
int Bottom(const TControlBox& box) { return box.top + box.height; }

void ExpectButtonsInARowAtTheBottomRight(const TReportLayout& layout, int width, int height) {
  EXPECT_EQ(Right(layout.close), width - kReportMargin);
  EXPECT_EQ(Bottom(layout.close), height - kReportMargin);
  for (const TControlBox* button : {&layout.copy, &layout.save}) {
    EXPECT_EQ(button->top, layout.close.top);
    EXPECT_EQ(button->height, kReportButtonHeight);
  }
  EXPECT_EQ(Right(layout.copy) + kReportButtonGap, layout.save.left);
  EXPECT_EQ(Right(layout.save) + kReportButtonGap, layout.close.left);
}

TEST(ReportWindowLayout, ButtonsKeepToTheBottomRightAndTheReportFillsTheRest) {
  for (auto [width, height] : {std::pair{kReportInitialClientWidth, kReportInitialClientHeight},
                               std::pair{1913, 1017},
                               std::pair{kReportMinClientWidth, kReportMinClientHeight}}) {
    SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
    const TReportLayout layout = LayoutReportWindow(width, height);
    ExpectButtonsInARowAtTheBottomRight(layout, width, height);
    EXPECT_EQ(layout.report.left, kReportMargin);
    EXPECT_EQ(layout.report.top, kReportMargin);
    EXPECT_EQ(Right(layout.report), width - kReportMargin);
    EXPECT_EQ(Bottom(layout.report) + kReportButtonGap, layout.close.top);
  }
}

TEST(ReportWindowLayout, TheSmallestWindowStillShowsEveryControl) {
  const TReportLayout least = LayoutReportWindow(kReportMinClientWidth, kReportMinClientHeight);
  EXPECT_GE(least.copy.left, kReportMargin);
  EXPECT_GT(least.report.height, 2 * kReportButtonHeight);
  // Smaller sizes (a minimised window says 0 x 0) keep that layout rather than going negative.
  for (auto [width, height] : {std::pair{0, 0}, std::pair{kReportMinClientWidth - 1, 5000}}) {
    const TReportLayout layout = LayoutReportWindow(width, height);
    EXPECT_EQ(layout.copy.left, least.copy.left);
    EXPECT_GE(layout.report.height, least.report.height);
    EXPECT_GT(layout.report.width, 0);
  }
}

TEST(ReportWindowText, LineEndsBecomeCrLfOnce) {
  EXPECT_EQ(WithCrLf(""), "");
  EXPECT_EQ(WithCrLf("one line"), "one line");
  EXPECT_EQ(WithCrLf("a\nb\n"), "a\r\nb\r\n");
  EXPECT_EQ(WithCrLf("\n\nx"), "\r\n\r\nx");
  EXPECT_EQ(WithCrLf("kept\r\nmixed\n"), "kept\r\nmixed\r\n");
  EXPECT_EQ(WithCrLf("lone\rcr"), "lone\rcr");
}

TEST(ReportWindowText, SavedContentFollowsTheChosenType) {
  ReportDocument report;
  report.readable = true;
  report.human = "Number of slots : 4\n\nModule 1\n";
  report.json = "{\n  \"slots\": 4\n}\n";
  EXPECT_EQ(ReportFileContent(report, TReportFileType::Text),
            "Number of slots : 4\r\n\r\nModule 1\r\n");
  EXPECT_EQ(ReportFileContent(report, TReportFileType::Json), report.json);  // byte for byte

  ReportDocument unreadable;
  unreadable.human = "The memory inventory could not be read.\n";
  EXPECT_EQ(ReportFileContent(unreadable, TReportFileType::Text),
            "The memory inventory could not be read.\r\n");
  EXPECT_THROW(ReportFileContent(unreadable, TReportFileType::Json), std::runtime_error);
}

}  // namespace
