modulix_module(smbios
  SOURCES smbios_table.cpp smbios_codes.cpp smbios_memory.cpp smbios_system.cpp smbios_source.cpp
  POSIX_SOURCES smbios_firmware_posix.cpp
  WIN32_SOURCES smbios_firmware_win32.cpp
  DEPS inventory system_error_text)
