modulix_add_test(report_cli_test PORTABLE
  SOURCES report_options_test.cpp report_errors_test.cpp report_default_test.cpp
          report_output_file_test.cpp
  LIBS modulix_report_cli smbios_dump_writer)
if(NOT WIN32)
  # The error-path tests also run the built program itself.
  add_dependencies(report_cli_test modulix-report)
  target_compile_definitions(report_cli_test PRIVATE MODULIX_REPORT_EXE="$<TARGET_FILE:modulix-report>")
endif()

modulix_add_test(report_win32_test WIN32 SOURCES report_win32_test.cpp LIBS modulix_report_cli)
