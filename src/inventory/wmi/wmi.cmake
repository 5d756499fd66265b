# WMI access: the class cache and its converters over a provider (COM, JSON fixture, in memory).
modulix_module(wmi
  SOURCES
    property_value.cpp text_number.cpp date_time.cpp converters.cpp
    wmi_connection.cpp wmi_class.cpp wmi_provider.cpp
    in_memory_provider.cpp json_fixture_provider.cpp
  POSIX_SOURCES platform_wmi_provider_posix.cpp fixture_variable_posix.cpp
  WIN32_SOURCES wmi_com_provider_win32.cpp fixture_variable_win32.cpp com_ptr_win32.cpp com_variant_win32.cpp
  DEPS text_convert
  WIN32_LIBS ole32 oleaut32 wbemuuid uuid)
