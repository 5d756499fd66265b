modulix_add_test(inventory_readers_test PORTABLE SOURCES readers_test.cpp LIBS modulix_inventory)
# The same portable tests built with the Windows toolchain: number parsing and text formatting
# come from a different C and C++ runtime there.
modulix_add_test(inventory_core_win32_test WIN32
  SOURCES wmi/converters_test.cpp readers_test.cpp wmi/json_fixture_provider_test.cpp
          wmi/fixture_variable_win32_test.cpp
  LIBS modulix_inventory)
