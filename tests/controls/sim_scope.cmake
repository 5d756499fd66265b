modulix_add_test(sim_scope_test PORTABLE
  SOURCES sim_scope_test.cpp sim_scope_lines_test.cpp
  LIBS modulix_sim_scope)
modulix_add_test(sim_scope_win32_test WIN32 SOURCES sim_scope_win32_test.cpp LIBS modulix_sim_scope)
