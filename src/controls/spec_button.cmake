modulix_module(spec_button
  WIN32_SOURCES spec_button_win32.cpp spec_button_glyph_win32.cpp
  DEPS img_btn
  WIN32_LIBS uxtheme gdi32 user32)
