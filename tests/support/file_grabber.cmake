modulix_add_test(file_grabber_test PORTABLE
  SOURCES file_grabber_test.cpp http_test_server.cpp
  LIBS modulix_file_grabber)
