modulix_add_bench(sim_scope_bench
  SOURCES sim_scope_bench.cpp sim_scope_memory_posix.cpp
  LIBS modulix_sim_scope)
