modulix_add_test(report_window_logic_test PORTABLE SOURCES report_window_logic_test.cpp
  LIBS modulix_report_window)
modulix_add_test(report_window_win32_test WIN32 SOURCES report_window_win32_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../shared/win32_test_support.cpp
  ${CMAKE_SOURCE_DIR}/src/ui/shared/res/modulix.rc
  LIBS modulix_main_window OWN_MAIN)
