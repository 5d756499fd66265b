modulix_add_test(report_test PORTABLE
  SOURCES report_output_test.cpp report_options_test.cpp report_text_test.cpp
          report_upgrade_test.cpp report_errors_test.cpp
  LIBS modulix_report smbios_dump_writer)
if(NOT WIN32)
  # The error-path tests also run the built program itself.
  add_dependencies(report_test modulix-report)
  target_compile_definitions(report_test PRIVATE MODULIX_REPORT_EXE="$<TARGET_FILE:modulix-report>")
endif()

modulix_add_test(report_win32_test WIN32 SOURCES report_win32_test.cpp LIBS modulix_report)
