# The dump writer is shared with the report's tests.
add_library(smbios_dump_writer STATIC ${CMAKE_CURRENT_LIST_DIR}/smbios_dump_writer.cpp)
target_include_directories(smbios_dump_writer PUBLIC ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(smbios_dump_writer PRIVATE modulix_platform)  # our warning settings

modulix_add_test(smbios_test PORTABLE
  SOURCES smbios_table_test.cpp smbios_memory_test.cpp smbios_hostile_test.cpp
          smbios_source_test.cpp
  LIBS modulix_smbios smbios_dump_writer)

# Debian's dmidecode reads the same dumps as a peer.
modulix_add_test(smbios_dmidecode_test PORTABLE
  SOURCES smbios_dmidecode_test.cpp
  LIBS modulix_smbios modulix_decoding smbios_dump_writer)

# Writes the sample dumps of tests/data (run by hand when they need to change).
add_executable(smbios_sample_dumps ${CMAKE_CURRENT_LIST_DIR}/smbios_sample_dumps.cpp)
target_link_libraries(smbios_sample_dumps PRIVATE smbios_dump_writer)
