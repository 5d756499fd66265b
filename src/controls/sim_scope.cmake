modulix_module(sim_scope
  SOURCES sim_scope.cpp sim_scope_draw.cpp sim_scope_geometry.cpp sim_scope_lines.cpp
  DEPS raster)
