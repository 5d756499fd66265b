set(modulix_window_test_support ${CMAKE_CURRENT_LIST_DIR}/../shared/win32_test_support.cpp
    ${CMAKE_SOURCE_DIR}/src/ui/shared/res/modulix.rc)
modulix_add_test(main_dlg_win32_test WIN32 SOURCES main_dlg_win32_test.cpp ${modulix_window_test_support}
  LIBS modulix_main_window OWN_MAIN)
modulix_add_test(slot_panels_win32_test WIN32 SOURCES slot_panels_win32_test.cpp
  ${modulix_window_test_support}
  LIBS modulix_main_window OWN_MAIN)
modulix_add_test(program_start_win32_test WIN32 SOURCES program_start_win32_test.cpp
  ${modulix_window_test_support}
  LIBS modulix_main_window OWN_MAIN)
modulix_add_test(memory_panel_win32_test WIN32 SOURCES memory_panel_win32_test.cpp LIBS modulix_main_window)
modulix_add_test(web_links_win32_test WIN32 SOURCES web_links_win32_test.cpp
  ${modulix_window_test_support}
  LIBS modulix_main_window OWN_MAIN)
