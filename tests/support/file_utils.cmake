modulix_add_test(file_utils_path_test PORTABLE SOURCES file_utils_path_test.cpp
                 LIBS modulix_file_utils)
# The test program carries a version resource of its own to read back.
modulix_add_test(file_utils_win32_test WIN32
                 SOURCES file_utils_win32_test.cpp file_utils_folder_win32_test.cpp
                         file_utils_test_files_win32.cpp file_utils_win32_test.rc
                 LIBS modulix_file_utils)
