# The shared window-test main: one single-threaded apartment for the whole run, as the program's.
modulix_add_test(wmi_com_provider_win32_test WIN32 OWN_MAIN
  SOURCES wmi_com_provider_win32_test.cpp ${modulix_window_test_sources} LIBS modulix_inventory comctl32)
modulix_add_test(inventory_converters_test PORTABLE SOURCES converters_test.cpp
  LIBS modulix_inventory)
modulix_add_test(inventory_wmi_class_test PORTABLE SOURCES wmi_class_test.cpp
  LIBS modulix_inventory)
modulix_add_test(inventory_fixture_test PORTABLE SOURCES json_fixture_provider_test.cpp
  LIBS modulix_inventory)
