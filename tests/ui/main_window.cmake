modulix_add_test(main_dlg_win32_test WIN32 SOURCES main_dlg_win32_test.cpp win32_test_support.cpp
  ${CMAKE_SOURCE_DIR}/src/ui/res/modulix.rc
  LIBS modulix_main_window OWN_MAIN)
modulix_add_test(slot_panels_win32_test WIN32 SOURCES slot_panels_win32_test.cpp
  win32_test_support.cpp ${CMAKE_SOURCE_DIR}/src/ui/res/modulix.rc
  LIBS modulix_main_window OWN_MAIN)
modulix_add_test(program_start_win32_test WIN32 SOURCES program_start_win32_test.cpp
  win32_test_support.cpp
  ${CMAKE_SOURCE_DIR}/src/ui/res/modulix.rc
  LIBS modulix_main_window OWN_MAIN)
