modulix_add_test(img_btn_layout_test PORTABLE SOURCES img_btn_layout_test.cpp LIBS modulix_img_btn)
modulix_add_test(img_btn_win32_test WIN32
  SOURCES img_btn_win32_test.cpp img_btn_test_support_win32.cpp img_btn_test_images_win32.cpp
          img_btn_test.rc
  LIBS modulix_img_btn)

modulix_add_test(spec_button_win32_test WIN32
  SOURCES spec_button_win32_test.cpp img_btn_test_support_win32.cpp img_btn_test.rc
  LIBS modulix_spec_button comctl32)
