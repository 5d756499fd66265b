modulix_add_test(memory_panel_test PORTABLE SOURCES memory_panel_test.cpp LIBS modulix_memory_panel)
modulix_add_test(memory_panel_win32_test WIN32 SOURCES memory_panel_win32_test.cpp LIBS modulix_memory_panel)
# Not a test: a window to look at (see the comment at its top).
if(WIN32)
  add_executable(memory_panel_demo memory_panel_demo.cpp)
  target_link_libraries(memory_panel_demo PRIVATE modulix_memory_panel)
  modulix_static_link(memory_panel_demo)
endif()
