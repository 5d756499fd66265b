modulix_module(raster SOURCES raster.cpp)
