modulix_module(file_utils
  SOURCES file_utils_path.cpp
  WIN32_SOURCES wide_api_win32.cpp file_utils_win32.cpp file_utils_folder_win32.cpp
  DEPS system_info text_convert
  WIN32_LIBS version shell32 ole32)
