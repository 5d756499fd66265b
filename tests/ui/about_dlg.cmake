modulix_add_test(about_dlg_win32_test WIN32
  SOURCES about_dlg_win32_test.cpp about_dlg_test.rc
  LIBS modulix_about_dlg)

if(WIN32)
  # Not a test: a window to look at (scripts/wine-run about_dlg_showcase.exe [--classic] [--about]).
  add_executable(about_dlg_showcase about_dlg_showcase_win32.cpp
                 ${CMAKE_SOURCE_DIR}/tests/controls/img_btn_test_images_win32.cpp
                 ${CMAKE_SOURCE_DIR}/tests/controls/img_btn_test.rc)
  target_include_directories(about_dlg_showcase PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(about_dlg_showcase PRIVATE modulix_img_btn modulix_spec_button modulix_about_dlg)
  target_link_options(about_dlg_showcase PRIVATE -mwindows)
  modulix_static_link(about_dlg_showcase)
endif()
