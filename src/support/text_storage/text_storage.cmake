modulix_module(text_storage
  SOURCES text_storage.cpp
  POSIX_SOURCES text_storage_compare_posix.cpp
  WIN32_SOURCES text_storage_compare_win32.cpp
  WIN32_LIBS kernel32)
