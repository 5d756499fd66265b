modulix_add_test(spec_button_win32_test WIN32
  SOURCES spec_button_win32_test.cpp img_btn_test_support_win32.cpp img_btn_test.rc
  LIBS modulix_spec_button comctl32)
