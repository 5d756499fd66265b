modulix_add_test(report_test PORTABLE
  SOURCES report_output_test.cpp report_text_test.cpp report_upgrade_test.cpp
  LIBS modulix_report smbios_dump_writer)
