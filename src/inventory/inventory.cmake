# The two record readers over the WMI class cache.
modulix_module(inventory
  SOURCES physical_memory.cpp physical_memory_array.cpp memory_record.cpp
  DEPS wmi)
