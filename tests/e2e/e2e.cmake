# The end-to-end test: the built program under Wine, driven from outside like a user would.
if(WIN32)
  add_executable(e2e_driver e2e_driver_win32.cpp e2e_windows_win32.cpp e2e_input_win32.cpp
    e2e_list_view_win32.cpp)
  target_link_libraries(e2e_driver PRIVATE modulix_test_common comctl32 user32 advapi32)
  modulix_static_link(e2e_driver)

  # Stands in for the maker's driver-update program.
  add_executable(e2e_marker WIN32 e2e_marker_win32.cpp)
  target_link_options(e2e_marker PRIVATE -municode)
  modulix_static_link(e2e_marker)

  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME e2e_test
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/e2e_test.py
      --modulix $<TARGET_FILE:Modulix> --driver $<TARGET_FILE:e2e_driver>
      --marker $<TARGET_FILE:e2e_marker> --work ${CMAKE_BINARY_DIR}/e2e)
  # Its own prefix and display, but one Wine test at a time keeps the machine's two cores free.
  set_tests_properties(e2e_test PROPERTIES TIMEOUT 600 RESOURCE_LOCK wine)
endif()
