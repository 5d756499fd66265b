modulix_add_test(udev_test PORTABLE SOURCES udev_properties_test.cpp udev_memory_test.cpp
  LIBS modulix_udev)
