modulix_module(decoding
  SOURCES text_match.cpp manufacturer.cpp manufacturer_table.cpp memory_type.cpp)
