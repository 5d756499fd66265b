#pragma once
// The main window: banner, system and memory groups, four slot panels, menu and timer.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "ui/shared/error_box_win32.h"

class TRunLog;
class TFileGrabber;
struct LoadedInventory;

// Control identifiers of the main window.
enum MainControlId : int {
  kIdDriversBtn = 100,
  kIdGetRam1 = 110,   // ..113
  kIdGetSpec1 = 120,  // ..123
  kIdList1 = 130,     // ..133
  kIdScope = 140,
  kIdQuit = 200,
  kIdOpenLog = 201,
  kIdAbout = 202,
  kIdReport = 203,
};
constexpr UINT_PTR kMemTimerId = 1;
constexpr UINT kMemTimerInterval = 1000;
constexpr int kMainClientWidth = 751;
constexpr int kMainClientHeight = 495;
constexpr int kMainLeft = 198;
constexpr int kMainTop = 179;

class TMainDlg {
 public:
  using StartupAction = std::function<void(TMainDlg&)>;

  // Creates the window, laid out and hidden. The start-up runs at the first activation.
  static TMainDlg* Create(HINSTANCE instance, StartupAction startup);
  ~TMainDlg();
  HWND Handle() const { return Handle_; }
  HACCEL Accelerators() const { return accelerators_; }
  // Message-loop filter: accelerators and keyboard navigation. True when the message was used.
  bool PreTranslate(MSG& msg);

  // Components, by the names of the layout.
  HWND top_pnl = nullptr, Image1 = nullptr, Label2 = nullptr, subtitle_lbl = nullptr;
  HWND drivers_btn = nullptr;
  HWND general_grp = nullptr, system_grp = nullptr, GroupBox2 = nullptr;
  HWND slots_lbl = nullptr, curmem_lbl = nullptr, maxmem_lbl = nullptr;
  HWND phyused_lbl = nullptr, phytot_lbl = nullptr, scope = nullptr;
  std::array<HWND, 4> slot_grp{}, lst{}, getSpec_btn{}, getRAM_btn{};
  HIMAGELIST ImageList96 = nullptr;
  HMENU MainMenu1 = nullptr;

  // Created by the start-up, released when the window is destroyed.
  std::unique_ptr<TRunLog> FLog;
  std::unique_ptr<TFileGrabber> FGrabber;
  // What the slot scan read; the report window describes the same inventory.
  std::shared_ptr<const LoadedInventory> FInventory;
  // Makes `log` FLog, and the place where failed shell opens are written.
  void AttachRunLog(std::unique_ptr<TRunLog> log);

  // Event handlers.
  void AppEvtActivate();
  void FormDestroy();
  void Quit1Click();
  void Openlogfile1Click();
  void About1Click();
  void Memoryreport1Click();
  void Mem_tmrTimer();
  void getRAM_btnClick();
  void drivers_btnClick();
  void getSpecClick(int panel);  // getSpec1_btnClick .. getSpec4_btnClick

  // The slot scan: reads both WMI classes, logs every module and fills the panels.
  void ScanSlots();

  bool Destroyed() const { return destroyed_; }

  // While one is alive, destroying the window does not release the log and the downloader:
  // code up the stack still uses them. The last scope to end releases them.
  class BusyScope {
   public:
    explicit BusyScope(TMainDlg& dlg) : dlg_(dlg) { ++dlg_.busy_; }
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    TMainDlg& dlg_;
  };

 private:
  TMainDlg() = default;
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id);
  void OnSize(int clientWidth);
  void CreateComponents();
  bool MayStartVendorProgram(const std::wstring& program);

  HWND Handle_ = nullptr;
  HACCEL accelerators_ = nullptr;
  HFONT font_ = nullptr, boldFont_ = nullptr;
  HICON image1Icon_ = nullptr;  // Image1's: a static control does not free the icon it shows
  StartupAction activateHandler_;  // bound until the first activation
  bool destroyed_ = false;
  TNonReentrantGuard memoryTicks_;  // one error box at a time from the memory timer
  int busy_ = 0;
  bool releasePending_ = false;
  void ReleaseOwnedObjects();
  friend struct MainLayoutBuilder;
};

// The one main window of the process (null before creation and after destruction).
extern TMainDlg* MainDlg;
