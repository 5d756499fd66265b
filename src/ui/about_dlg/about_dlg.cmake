modulix_module(about_dlg
  WIN32_SOURCES about_dlg_win32.cpp about_dlg_layout_win32.cpp about_dlg_art_win32.cpp
  DEPS text_storage img_btn shell_open site_url file_utils text_convert ui_shared
  WIN32_LIBS user32 gdi32)
