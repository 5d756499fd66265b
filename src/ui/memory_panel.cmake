modulix_module(memory_panel
  SOURCES memory_panel.cpp
  DEPS sim_scope format_byte_size)
