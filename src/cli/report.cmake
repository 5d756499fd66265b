# modulix-report: the command's options and output; the report itself is modulix_report.
modulix_module(report_cli SOURCES report_options.cpp report_run.cpp DEPS report_format)

add_executable(modulix-report report_main.cpp)
target_link_libraries(modulix-report PRIVATE modulix_report_cli)
modulix_static_link(modulix-report)
# Natively too: loading libstdc++ costs more than the report itself, and a single file copies to
# any Linux machine. The sanitizers need the dynamic runtime.
if(NOT WIN32 AND NOT MODULIX_SANITIZE)
  target_link_options(modulix-report PRIVATE -static)
endif()
