modulix_module(report
  SOURCES report_options.cpp report_text.cpp report_names.cpp report_facts.cpp
          report_model.cpp report_upgrade.cpp report_human.cpp report_json.cpp
          report_source.cpp report_run.cpp
  POSIX_SOURCES report_source_posix.cpp report_terminal_posix.cpp
  WIN32_SOURCES report_source_win32.cpp report_terminal_win32.cpp
  DEPS smbios slot_scan inventory
  WIN32_LIBS ole32)

add_executable(modulix-report report_main.cpp)
target_link_libraries(modulix-report PRIVATE modulix_report)
modulix_static_link(modulix-report)
# Natively too: loading libstdc++ costs more than the report itself, and a single file copies to
# any Linux machine. The sanitizers need the dynamic runtime.
if(NOT WIN32 AND NOT MODULIX_SANITIZE)
  target_link_options(modulix-report PRIVATE -static)
endif()
