modulix_module(img_btn
  SOURCES img_btn_layout.cpp
  WIN32_SOURCES img_btn_custom_button_win32.cpp img_btn_win32.cpp img_btn_paint_win32.cpp
  WIN32_LIBS comctl32 uxtheme gdi32 user32)

modulix_module(spec_button
  WIN32_SOURCES spec_button_win32.cpp spec_button_glyph_win32.cpp
  DEPS img_btn
  WIN32_LIBS uxtheme gdi32 user32)
