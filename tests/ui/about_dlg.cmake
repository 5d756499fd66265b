modulix_add_test(about_dlg_win32_test WIN32
  SOURCES about_dlg_win32_test.cpp about_dlg_test.rc
  LIBS modulix_about_dlg)
