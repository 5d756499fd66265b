modulix_add_test(raster_test PORTABLE SOURCES raster_test.cpp LIBS modulix_raster)
modulix_add_test(raster_win32_test WIN32 SOURCES raster_win32_test.cpp LIBS modulix_raster gdi32)

modulix_add_test(sim_scope_test PORTABLE
  SOURCES sim_scope_test.cpp sim_scope_lines_test.cpp
  LIBS modulix_sim_scope)
modulix_add_test(sim_scope_win32_test WIN32 SOURCES sim_scope_win32_test.cpp LIBS modulix_sim_scope)
