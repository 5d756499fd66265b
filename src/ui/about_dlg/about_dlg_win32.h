#pragma once
// The About dialog: program name and version, and links to the maker's e-mail, web site and
// forums. Created hidden once (on first use or when the start-up ends) and reused; ShowAbout
// refills the texts and shows it modally over the main window.
#include <windows.h>

#include <string>

#include "controls/image_button/img_btn_gdi_win32.h"
#include "support/text_storage/text_storage.h"
#include "ui/shared/dialog_focus_win32.h"

class TAboutDlg {
 public:
  // Control ids, for tests and anyone driving the dialog.
  static constexpr int kIdOk = IDOK;
  static constexpr int kIdEmail = 101;
  static constexpr int kIdWeb = 102;
  static constexpr int kIdForum = 103;
  static constexpr int kIdAppName = 111;
  static constexpr int kIdVersion = 112;
  static constexpr int kIdBanner = 113;
  static constexpr int kIdAllGroup = 121;
  static constexpr int kIdApplicationGroup = 122;
  static constexpr int kIdMakerGroup = 123;

  // The hidden dialog, owned by mainWindow and destroyed with it (the object belongs to its
  // window). Throws when the window cannot be made.
  static TAboutDlg* Create(HWND mainWindow);

  // FillTexts, then the dialog modally: the owner is disabled until Ok, Esc, Enter or the close
  // box hides the dialog again.
  void ShowAbout();
  // Caption and the two labels, rebuilt from TS_about, the title and the file version.
  void FillTexts();
  HWND Handle() const { return FHandle; }
  TTextStorage& TS_about() { return FTexts; }

 private:
  TAboutDlg();
  ~TAboutDlg();
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnInit();
  void OnCommand(int id);
  void OpenLink(const std::string& address);
  void CenterOnOwner();
  void RunModalLoop();
  void EndModal();

  HWND FHandle = nullptr;
  TTextStorage FTexts;
  TFontHandle FFont;
  TBitmapHandle FBanner;
  TIconHandle FIconBig;
  TIconHandle FIconSmall;
  TDialogFocus FFocus;
  bool FModal = false;
};
