modulix_add_test(wmi_com_provider_win32_test WIN32 OWN_MAIN
  SOURCES wmi_com_provider_win32_test.cpp LIBS modulix_inventory)
modulix_add_test(inventory_converters_test PORTABLE SOURCES converters_test.cpp
  LIBS modulix_inventory)
modulix_add_test(inventory_wmi_class_test PORTABLE SOURCES wmi_class_test.cpp
  LIBS modulix_inventory)
modulix_add_test(inventory_readers_test PORTABLE SOURCES readers_test.cpp LIBS modulix_inventory)
modulix_add_test(inventory_fixture_test PORTABLE SOURCES json_fixture_provider_test.cpp
  LIBS modulix_inventory)
# The same portable tests built with the Windows toolchain: number parsing and text formatting
# come from a different C and C++ runtime there.
modulix_add_test(inventory_core_win32_test WIN32
  SOURCES converters_test.cpp readers_test.cpp json_fixture_provider_test.cpp
  LIBS modulix_inventory)
