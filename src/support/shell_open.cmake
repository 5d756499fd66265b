modulix_module(shell_open
  SOURCES shell_open.cpp
  POSIX_SOURCES shell_open_posix.cpp
  WIN32_SOURCES shell_open_win32.cpp
  WIN32_LIBS shell32)
