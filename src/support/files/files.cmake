modulix_module(file_utils
  SOURCES file_utils_path.cpp
  WIN32_SOURCES wide_api_win32.cpp file_utils_win32.cpp file_utils_folder_win32.cpp
  DEPS system_info text_convert
  WIN32_LIBS version shell32 ole32)

modulix_module(text_convert WIN32_SOURCES text_convert_win32.cpp)

modulix_module(url_encode SOURCES url_encode.cpp)

modulix_module(shell_open
  SOURCES shell_open.cpp
  POSIX_SOURCES shell_open_posix.cpp
  WIN32_SOURCES shell_open_win32.cpp
  DEPS text_convert system_error_text
  WIN32_LIBS shell32)

modulix_module(site_url SOURCES site_url.cpp)

# Whole-file replacement through a uniquely named temporary file: the run log and the links file.
modulix_module(file_replace
  SOURCES file_replace.cpp
  POSIX_SOURCES file_replace_posix.cpp
  WIN32_SOURCES file_replace_win32.cpp
  WIN32_LIBS kernel32)

# The temporary files of interrupted saves, removed at start-up.
modulix_module(leftover_temp_files
  SOURCES leftover_temp_files.cpp
  POSIX_SOURCES folder_files_posix.cpp
  WIN32_SOURCES folder_files_win32.cpp
  WIN32_LIBS kernel32)
