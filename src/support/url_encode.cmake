modulix_module(url_encode SOURCES url_encode.cpp)
