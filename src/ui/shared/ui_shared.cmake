# What the windows share: the standard error box, the standard controls they are made of, dialog
# focus, and the resource identifiers with the program's resources (res/).
modulix_module(ui_shared
  WIN32_SOURCES error_box_win32.cpp standard_controls_win32.cpp work_area_win32.cpp
  DEPS window_placement
  WIN32_LIBS user32 gdi32)
