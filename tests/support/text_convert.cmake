modulix_add_test(text_convert_win32_test WIN32 SOURCES text_convert_win32_test.cpp
                 LIBS modulix_text_convert)
