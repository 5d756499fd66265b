modulix_add_bench(report_bench SOURCES report_bench.cpp LIBS modulix_report_format)
# report_vs_dmidecode.sh times the built program against dmidecode on the same dump, and beside
# them report_floor, linked the same way, which only writes a report-sized text: the start-up
# and exit that no report can go below. Kept out of bench/ itself, where every program is run
# as a Google Benchmark.
add_executable(report_floor report_floor.cpp)
set_target_properties(report_floor PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/floor)
modulix_shipped_program(report_floor)
if(NOT MODULIX_SANITIZE)
  target_link_options(report_floor PRIVATE -static)
endif()
