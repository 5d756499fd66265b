# The memory report window: its layout and text (portable) and the window itself.
modulix_module(report_window
  SOURCES report_window_layout.cpp report_window_text.cpp
  WIN32_SOURCES report_window_win32.cpp report_clipboard_win32.cpp report_save_win32.cpp
  DEPS report_format ui_shared file_replace text_convert system_info img_btn
  WIN32_LIBS user32 gdi32 comctl32)
