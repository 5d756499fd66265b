# What the report knows: the model, facts, insights and upgrade room, and where the inventory
# comes from. Shared by modulix-report and the program's report window.
modulix_module(report
  SOURCES report_names.cpp report_facts.cpp report_model.cpp report_module_advice.cpp report_upgrade.cpp
          report_source.cpp report_channels.cpp report_insights.cpp report_firmware_facts.cpp
          report_source_udev.cpp
  POSIX_SOURCES report_source_posix.cpp
  WIN32_SOURCES report_source_win32.cpp
  DEPS smbios udev slot_scan inventory advice_rules
  WIN32_LIBS ole32)
