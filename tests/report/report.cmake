modulix_add_test(report_test PORTABLE
  SOURCES report_output_test.cpp report_text_test.cpp report_upgrade_test.cpp
          report_insights_test.cpp report_sources_test.cpp
  LIBS modulix_report smbios_dump_writer)
