# udev's copy of the SMBIOS memory structures, readable without root on Linux.
modulix_module(udev
  SOURCES udev_properties.cpp udev_values.cpp udev_codes.cpp udev_structures.cpp
          udev_memory.cpp udev_source.cpp
  DEPS smbios)
