modulix_add_test(version_name_test PORTABLE SOURCES version_name_test.cpp LIBS modulix_system_info)
modulix_add_test(system_info_win32_test WIN32 SOURCES system_info_win32_test.cpp
                 LIBS modulix_system_info)
modulix_add_test(registry_win32_test WIN32 SOURCES registry_win32_test.cpp LIBS modulix_system_info)
