modulix_add_test(report_test PORTABLE
  SOURCES format/report_output_test.cpp format/report_text_test.cpp format/report_json_writer_test.cpp
          report_upgrade_test.cpp report_insights_test.cpp report_sources_test.cpp report_rules_test.cpp
          report_udev_test.cpp
  LIBS modulix_report_format smbios_dump_writer)

# The JSON of every fixture machine and sample dump against the published schema, with Debian's
# python3-jsonschema (so the system's interpreter, whatever python3 comes first on the PATH).
if(NOT WIN32)
  add_test(NAME report_schema_test
    COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/report_schema_test.py
            $<TARGET_FILE:modulix-report> ${CMAKE_SOURCE_DIR}/docs/report.schema.json
            ${CMAKE_SOURCE_DIR}/tests/data)
endif()

# --prometheus on the same inputs: promtool finds nothing and the metrics agree with the JSON
# (Debian's python3-prometheus-client reads them; scripts/bootstrap installs promtool).
if(NOT WIN32)
  add_test(NAME report_metrics_test
    COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/report_metrics_test.py
            $<TARGET_FILE:modulix-report> ${CMAKE_SOURCE_DIR}/tests/data)
endif()
