modulix_module(raster SOURCES raster.cpp)

modulix_module(sim_scope
  SOURCES sim_scope.cpp sim_scope_draw.cpp sim_scope_geometry.cpp sim_scope_lines.cpp
  WIN32_SOURCES sim_scope_win32.cpp
  DEPS raster
  WIN32_LIBS gdi32 user32)
