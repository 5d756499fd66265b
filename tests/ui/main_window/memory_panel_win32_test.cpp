// The memory timer's tick against real windows: two labels and the scope window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <system_error>
#include <vector>

#include "controls/scope/sim_scope_win32.h"
#include "window_model/format_byte_size.h"
#include "ui/main_window/memory_panel_win32.h"
#include "common/window_test_support_win32.h"

namespace {
constexpr std::uint64_t GiB = 1024ull * 1024 * 1024;
constexpr TColor kLime = 0x00FF00;

// The "Physical Memory." group as the main window lays it out.
class MemoryPanelTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    group = CreateWindowExA(0, "BUTTON", "Physical Memory.",
                            WS_OVERLAPPEDWINDOW | WS_VISIBLE | BS_GROUPBOX, 50, 50, 260, 140,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  static void TearDownTestSuite() { DestroyWindow(group); }

  void SetUp() override {
    ASSERT_NE(group, nullptr);
    used = CreateLabel("Used :", 19);
    total = CreateLabel("Available :", 35);
    scopeWindow = CreateSimScopeWindow(group, 100, 115, 10, 89, 65);
    ASSERT_NE(scopeWindow, nullptr);
    scope = SimScopeFromWindow(scopeWindow);
    ConfigureMemoryScope(*scope);
    saved = SizeUnitNames;
    SetStartupSizeUnitNames();
    SetDecimalSeparatorOverride(".");
  }
  void TearDown() override {
    SetMemoryStatusQuery(nullptr);
    SetDecimalSeparatorOverride(std::nullopt);
    SizeUnitNames = saved;
    for (HWND w : {used, total, scopeWindow}) DestroyWindow(w);
  }
  HWND CreateLabel(const char* caption, int top) {
    return CreateWindowExA(0, "STATIC", caption, WS_CHILD | WS_VISIBLE, 8, top, 100, 13, group,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  // Answers every query with the given load and sizes, and keeps what it was given.
  void FakeStatus(DWORD load, std::uint64_t totalPhys, std::uint64_t availPhys) {
    SetMemoryStatusQuery([=, this](MEMORYSTATUSEX& status) {
      received.push_back(status);
      status.dwMemoryLoad = load;
      status.ullTotalPhys = totalPhys;
      status.ullAvailPhys = availPhys;
      return TRUE;
    });
  }

  // Public: the timer callback of the last test reaches them through a plain pointer.
 public:
  static inline HWND group = nullptr;
  HWND used = nullptr, total = nullptr, scopeWindow = nullptr;
  TSimScope* scope = nullptr;
  std::array<std::string, 5> saved;
  std::vector<MEMORYSTATUSEX> received;
};
}  // namespace

TEST_F(MemoryPanelTest, TickWritesBothLabelsAndAdvancesTheGraph) {
  FakeStatus(50, 8 * GiB, 6 * GiB + GiB / 2);
  UpdateMemoryPanel(used, total, *scope);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].dwLength, 64u);
  EXPECT_EQ(received[0].dwMemoryLoad, 0u);  // the record arrives zeroed
  EXPECT_EQ(received[0].ullTotalPhys, 0u);
  EXPECT_EQ(WindowText(used), "Used : 1.5 GB");
  EXPECT_EQ(WindowText(total), "Total : 8 GB");
  const TScopeLineValues& history = scope->Lines().Items(0).Values();
  EXPECT_EQ(history.Count(), 4);
  EXPECT_EQ(history.Item(3), 50);
  // The trace climbs from the bottom edge towards 50 percent (row 33) in the last columns.
  EXPECT_EQ(scope->Buffer().Pixel(88, 50), kLime);
  EXPECT_EQ(scope->Buffer().Pixel(87, 60), kLime);
}

TEST_F(MemoryPanelTest, BeforeTheStartUpTheEarlyUnitNamesShow) {
  SizeUnitNames = {"b.", "Kb.", "Mb.", "Gb.", "Tb."};
  FakeStatus(12, 2 * GiB, GiB + 512ull * 1024 * 1024);
  UpdateMemoryPanel(used, total, *scope);
  EXPECT_EQ(WindowText(used), "Used : 512 Mb.");
  EXPECT_EQ(WindowText(total), "Total : 2 Gb.");
}

TEST_F(MemoryPanelTest, AFailedSampleRaisesTheSystemErrorAndChangesNothing) {
  SetMemoryStatusQuery([](MEMORYSTATUSEX&) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  });
  const TRaster before = scope->Buffer();
  try {
    UpdateMemoryPanel(used, total, *scope);
    FAIL() << "no exception";
  } catch (const std::system_error& e) {
    EXPECT_EQ(e.code().value(), static_cast<int>(ERROR_ACCESS_DENIED));
    EXPECT_NE(std::string(e.what()).find("GlobalMemoryStatusEx"), std::string::npos);
  }
  EXPECT_EQ(WindowText(used), "Used :");
  EXPECT_EQ(WindowText(total), "Available :");
  EXPECT_EQ(scope->Lines().Items(0).Values().Count(), 2);
  EXPECT_TRUE(scope->Buffer() == before);
}

TEST_F(MemoryPanelTest, RealTimerTicksShowTheMachinesMemory) {
  static MemoryPanelTest* test = nullptr;
  static int ticks = 0;
  static std::vector<TRaster> pictures;
  test = this;
  ticks = 0;
  pictures.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, 1000, [](HWND, UINT, UINT_PTR, DWORD) {
    UpdateMemoryPanel(test->used, test->total, *test->scope);
    pictures.push_back(test->scope->Buffer());
    ++ticks;
  });
  ASSERT_NE(timer, 0u);
  PumpFor(std::chrono::milliseconds(3500));
  KillTimer(nullptr, timer);
  ASSERT_GE(ticks, 3);
  EXPECT_EQ(scope->Lines().Items(0).Values().Count(), 2 + 2 * ticks);
  for (std::size_t i = 1; i < pictures.size(); ++i)
    EXPECT_FALSE(pictures[i] == pictures[i - 1]) << "the graph did not move at tick " << i;
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof(status);
  ASSERT_TRUE(GlobalMemoryStatusEx(&status));
  EXPECT_EQ(WindowText(total), "Total : " + FormatByteSize(static_cast<std::int64_t>(status.ullTotalPhys)));
  EXPECT_EQ(WindowText(used).rfind("Used : ", 0), 0u);
  EXPECT_NE(WindowText(used), "Used :");
}
