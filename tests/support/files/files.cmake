modulix_add_test(file_utils_path_test PORTABLE SOURCES file_utils_path_test.cpp
                 LIBS modulix_file_utils)
# The test program carries a version resource of its own to read back.
modulix_add_test(file_utils_win32_test WIN32
                 SOURCES file_utils_win32_test.cpp file_utils_folder_win32_test.cpp
                         file_utils_test_files_win32.cpp file_utils_win32_test.rc
                 LIBS modulix_file_utils)

modulix_add_test(text_convert_win32_test WIN32 SOURCES text_convert_win32_test.cpp
                 LIBS modulix_text_convert)

modulix_add_test(url_encode_test PORTABLE SOURCES url_encode_test.cpp LIBS modulix_url_encode)

modulix_add_test(shell_open_test PORTABLE SOURCES shell_open_test.cpp LIBS modulix_shell_open)

modulix_add_test(site_url_test PORTABLE SOURCES site_url_test.cpp LIBS modulix_site_url)

modulix_add_test(file_replace_test PORTABLE SOURCES file_replace_test.cpp LIBS modulix_file_replace)
modulix_add_test(file_replace_win32_test WIN32 SOURCES file_replace_test.cpp
                 LIBS modulix_file_replace)

modulix_add_test(leftover_temp_files_test PORTABLE SOURCES leftover_temp_files_test.cpp
                 LIBS modulix_leftover_temp_files modulix_file_replace)
