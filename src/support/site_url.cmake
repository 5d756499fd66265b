modulix_module(site_url SOURCES site_url.cpp)
