modulix_module(memory_panel
  SOURCES memory_panel.cpp
  WIN32_SOURCES memory_panel_win32.cpp
  DEPS sim_scope format_byte_size
  WIN32_LIBS kernel32 user32)
