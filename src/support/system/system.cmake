# The system's words for an error code, for every message that quotes them.
modulix_module(system_error_text
  SOURCES system_error_text.cpp
  POSIX_SOURCES system_error_text_posix.cpp
  WIN32_SOURCES system_error_text_win32.cpp)

modulix_module(system_info
  SOURCES system_info.cpp system_info_error.cpp version_name.cpp registry.cpp
  WIN32_SOURCES system_info_win32.cpp system_info_wow64_win32.cpp system_info_admin_win32.cpp
                system_info_error_win32.cpp registry_key_win32.cpp registry_win32.cpp
  DEPS text_convert system_error_text
  WIN32_LIBS advapi32 netapi32)
