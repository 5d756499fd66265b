# The portable state of what the main window shows: the slot scan's view state, the memory
# graph's settings, byte sizes, web-link addresses and start-up texts. Below both the window and
# the report, so neither reaches into the other.
modulix_module(format_byte_size
  SOURCES format_byte_size.cpp
  POSIX_SOURCES format_byte_size_posix.cpp
  WIN32_SOURCES format_byte_size_win32.cpp
  WIN32_LIBS kernel32)
modulix_module(memory_panel SOURCES memory_panel.cpp DEPS sim_scope)
modulix_module(slot_scan SOURCES slot_scan.cpp DEPS inventory decoding)
modulix_module(web_links SOURCES web_links.cpp DEPS decoding url_encode)
modulix_module(startup_texts SOURCES startup_texts.cpp)
modulix_module(window_placement SOURCES window_placement.cpp)
