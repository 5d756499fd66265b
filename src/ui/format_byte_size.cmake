modulix_module(format_byte_size
  SOURCES format_byte_size.cpp
  POSIX_SOURCES format_byte_size_posix.cpp
  WIN32_SOURCES format_byte_size_win32.cpp
  WIN32_LIBS kernel32)
