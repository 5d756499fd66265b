modulix_module(log_value SOURCES log_value.cpp)
modulix_module(run_log
  SOURCES run_log.cpp run_log_os.cpp
  POSIX_SOURCES run_log_os_posix.cpp
  WIN32_SOURCES run_log_os_win32.cpp
  DEPS shell_open file_replace log_value
  WIN32_LIBS kernel32)
