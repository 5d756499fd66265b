if(WIN32)
  # Not a test: scripts/screenshots finds our windows on the screen with it.
  add_executable(window_box ${CMAKE_CURRENT_LIST_DIR}/window_box_win32.cpp)
  modulix_static_link(window_box)
endif()
