set(modulix_test_server ${CMAKE_CURRENT_LIST_DIR}/../http/http_test_server.cpp)
modulix_add_test(file_grabber_test PORTABLE
  SOURCES file_grabber_test.cpp ${modulix_test_server}
  LIBS modulix_file_grabber)
# Starts Debian's squid on a loopback port; skipped where squid is missing.
modulix_add_test(file_grabber_squid_test PORTABLE
  SOURCES file_grabber_squid_posix_test.cpp ${modulix_test_server}
  LIBS modulix_file_grabber TIMEOUT 120)
modulix_add_test(file_grabber_win32_test WIN32
  SOURCES file_grabber_win32_test.cpp ${modulix_test_server}
  LIBS modulix_file_grabber)
