modulix_add_test(report_window_logic_test PORTABLE SOURCES report_window_logic_test.cpp
  LIBS modulix_report_window)
modulix_add_test(report_window_win32_test WIN32 SOURCES report_window_win32_test.cpp
  win32_test_support.cpp ${CMAKE_SOURCE_DIR}/src/ui/res/modulix.rc
  LIBS modulix_main_window OWN_MAIN)

if(WIN32)
  # Not a test: scripts/screenshots finds our windows on the screen with it.
  add_executable(window_box window_box_win32.cpp)
  modulix_static_link(window_box)
endif()
