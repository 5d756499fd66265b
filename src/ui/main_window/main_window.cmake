# The Win32 shell of the program: everything of Modulix.exe but its entry point, so the tests can
# link the same code.
modulix_module(main_window
  WIN32_SOURCES
    banner_panel_win32.cpp main_dlg_win32.cpp main_handlers_win32.cpp main_layout_win32.cpp
    main_menu_win32.cpp main_custom_controls_win32.cpp memory_panel_win32.cpp memory_timer_win32.cpp
    program_start_win32.cpp slot_panels_win32.cpp slot_scan_win32.cpp startup_win32.cpp
    web_links_win32.cpp
  DEPS ui_shared shell_open file_replace leftover_temp_files run_log slot_scan inventory file_utils system_info
       text_convert site_url format_byte_size file_grabber web_links startup_texts memory_panel
       sim_scope img_btn spec_button about_dlg report report_window
  WIN32_LIBS comctl32 gdi32 user32 ole32 oleaut32 uxtheme kernel32)

if(WIN32)
  add_executable(Modulix WIN32 ${CMAKE_CURRENT_LIST_DIR}/program_entry_win32.cpp
                               ${CMAKE_CURRENT_LIST_DIR}/../shared/res/modulix.rc)
  target_link_libraries(Modulix PRIVATE modulix_main_window)
  modulix_static_link(Modulix)
endif()
