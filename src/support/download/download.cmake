# The download of the links file: TFileGrabber, CustomizeHttpClient and the proxy settings.
modulix_module(file_grabber
  SOURCES file_grabber.cpp file_grabber_settings.cpp
  POSIX_SOURCES file_grabber_settings_posix.cpp
  WIN32_SOURCES file_grabber_settings_win32.cpp
  DEPS http run_log file_replace)
if(WIN32)
  # The Windows settings reader is ReadQuorinValue.
  target_link_libraries(modulix_file_grabber PUBLIC modulix_system_info)
endif()
