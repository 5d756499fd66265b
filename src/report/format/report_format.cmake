# How the report is written: the human table, JSON, and the terminal's clean-up of texts.
modulix_module(report_format
  SOURCES report_text.cpp report_json_writer.cpp report_human.cpp report_json.cpp report_metric_writer.cpp report_prometheus.cpp
          report_document.cpp report_insight_texts.cpp report_advice_texts.cpp
  POSIX_SOURCES report_terminal_posix.cpp
  WIN32_SOURCES report_terminal_win32.cpp
  DEPS report)
