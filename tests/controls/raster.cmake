modulix_add_test(raster_test PORTABLE SOURCES raster_test.cpp LIBS modulix_raster)
modulix_add_test(raster_win32_test WIN32 SOURCES raster_win32_test.cpp LIBS modulix_raster gdi32)
