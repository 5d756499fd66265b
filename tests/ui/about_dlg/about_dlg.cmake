modulix_add_test(about_dlg_win32_test WIN32
  SOURCES about_dlg_win32_test.cpp about_dlg_test.rc
  LIBS modulix_about_dlg)
# The links file arriving while a real modal dialog (the About box) is open.
modulix_add_test(file_grabber_modal_win32_test WIN32
  SOURCES file_grabber_modal_win32_test.cpp ${CMAKE_SOURCE_DIR}/tests/support/http/http_test_server.cpp
  LIBS modulix_file_grabber modulix_about_dlg)
