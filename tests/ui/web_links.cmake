modulix_add_test(web_links_test PORTABLE SOURCES web_links_test.cpp
  LIBS modulix_web_links modulix_startup_texts)
