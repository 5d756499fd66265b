modulix_add_test(run_log_test PORTABLE
  SOURCES run_log_test.cpp log_value_test.cpp run_log_kill_test_posix.cpp LIBS modulix_run_log)
modulix_add_test(run_log_win32_test WIN32
  SOURCES run_log_test.cpp run_log_test_win32.cpp LIBS modulix_run_log)
