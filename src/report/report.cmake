# The report: model, insights, human and JSON formats, and where the inventory comes from.
# Shared by modulix-report and the program's report window.
modulix_module(report
  SOURCES report_text.cpp report_json_writer.cpp report_names.cpp report_facts.cpp report_model.cpp report_upgrade.cpp
          report_human.cpp report_json.cpp report_source.cpp report_document.cpp
          report_channels.cpp report_insights.cpp report_insight_texts.cpp report_firmware_facts.cpp
  POSIX_SOURCES report_source_posix.cpp report_terminal_posix.cpp
  WIN32_SOURCES report_source_win32.cpp report_terminal_win32.cpp
  DEPS smbios slot_scan inventory
  WIN32_LIBS ole32)
