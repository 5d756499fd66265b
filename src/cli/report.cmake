# modulix-report: the command's options and output; the report itself is modulix_report.
modulix_module(report_cli SOURCES report_options.cpp report_run.cpp report_output.cpp report_file.cpp
  POSIX_SOURCES report_console_posix.cpp report_file_posix.cpp
  WIN32_SOURCES report_console_win32.cpp report_file_win32.cpp
  DEPS report_format text_convert file_replace system_error_text)

add_executable(modulix-report report_main.cpp)
if(WIN32)
  # Its own manifest: UTF-8 as the process code page, and the Windows versions it was made for.
  target_sources(modulix-report PRIVATE ${CMAKE_CURRENT_LIST_DIR}/res/modulix_report.rc)
endif()
target_link_libraries(modulix-report PRIVATE modulix_report_cli)
modulix_static_link(modulix-report)
# Natively too: loading libstdc++ costs more than the report itself, and a single file copies to
# any Linux machine. The sanitizers need the dynamic runtime.
if(NOT WIN32 AND NOT MODULIX_SANITIZE)
  target_link_options(modulix-report PRIVATE -static)
endif()
