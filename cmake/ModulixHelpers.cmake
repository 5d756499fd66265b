# Shared build helpers.

# nlohmann-json is header-only. The cross compiler must not see /usr/include, so expose the one
# folder through a link inside the build tree.
function(modulix_use_json target)  # target: an INTERFACE library
  set(dir ${CMAKE_BINARY_DIR}/json-include)
  if(NOT EXISTS ${dir}/nlohmann)
    file(MAKE_DIRECTORY ${dir})
    file(CREATE_LINK /usr/include/nlohmann ${dir}/nlohmann SYMBOLIC)
  endif()
  target_include_directories(${target} SYSTEM INTERFACE ${dir})
endfunction()

function(modulix_static_link target)
  if(WIN32)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endfunction()

# A program we ship: in release builds without symbols or debug information (the static C++
# runtime brings its own), and without the functions nothing calls. Tests are left as they are,
# so a failure under Wine still shows where it happened.
# On Windows it is also marked terminal-server aware (else a Remote Desktop session host hands it
# a per-user Windows folder) and for subsystem 6.0, Vista and later, instead of the linker's 5.2.
function(modulix_shipped_program target)
  if(NOT MSVC)
    target_link_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s> -Wl,--gc-sections)
  endif()
  if(WIN32 AND NOT MSVC)
    target_link_options(${target} PRIVATE -Wl,--tsaware -Wl,--major-subsystem-version,6
                                          -Wl,--minor-subsystem-version,0)
  endif()
endfunction()

# Sources named relative to the .cmake file that lists them: a module's build file sits in the
# module's own folder, which need not be the folder of the CMakeLists.txt that includes it.
function(modulix_resolve_sources out)
  set(resolved)
  foreach(source ${ARGN})
    if(IS_ABSOLUTE "${source}")
      list(APPEND resolved "${source}")
    else()
      list(APPEND resolved "${CMAKE_CURRENT_LIST_DIR}/${source}")
    endif()
  endforeach()
  set(${out} ${resolved} PARENT_SCOPE)
endfunction()

macro(modulix_find_gtest)
  if(WIN32)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    set(MODULIX_GTEST_LIBS GTest::gtest GTest::gmock)
    set(MODULIX_GTEST_MAIN GTest::gtest_main)
  else()
    find_package(GTest REQUIRED)
    set(MODULIX_GTEST_LIBS GTest::gtest GTest::gmock)
    set(MODULIX_GTEST_MAIN GTest::gtest_main)
  endif()
endmacro()

# modulix_add_test(NAME PORTABLE|WIN32 SOURCES files... LIBS modulix_x... [OWN_MAIN] [TIMEOUT s])
# PORTABLE tests run natively (linux preset); WIN32 tests run under Wine (windows preset).
function(modulix_add_test name kind)
  cmake_parse_arguments(T "OWN_MAIN" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(kind STREQUAL "PORTABLE" AND WIN32)
    return()
  endif()
  if(kind STREQUAL "WIN32" AND NOT WIN32)
    return()
  endif()
  modulix_resolve_sources(sources ${T_SOURCES})
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${MODULIX_GTEST_LIBS})
  if(NOT T_OWN_MAIN)
    target_link_libraries(${name} PRIVATE ${MODULIX_GTEST_MAIN})
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  modulix_static_link(${name})
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "MODULIX_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data")
  if(WIN32)
    # One Wine prefix and one display per run: run these one at a time.
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine)
  endif()
endfunction()

# modulix_module(NAME [SOURCES portable files...] [WIN32_SOURCES files...] [POSIX_SOURCES files...]
#                [DEPS modules...] [WIN32_LIBS system libs...])
# Makes the static library modulix_NAME: the portable sources plus, per platform, the *_win32
# sources (Windows build) or the *_posix ones (native build). Each module is its own library so a
# test links only what it exercises. DEPS are other module names without the prefix.
function(modulix_module name)
  cmake_parse_arguments(M "" "" "SOURCES;WIN32_SOURCES;POSIX_SOURCES;DEPS;WIN32_LIBS" ${ARGN})
  set(sources ${M_SOURCES})
  if(WIN32)
    list(APPEND sources ${M_WIN32_SOURCES})
  else()
    list(APPEND sources ${M_POSIX_SOURCES})
  endif()
  modulix_resolve_sources(sources ${sources})
  if(sources)
    add_library(modulix_${name} STATIC ${sources})
    set(scope PUBLIC)
  else()
    add_library(modulix_${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  foreach(dep ${M_DEPS})
    target_link_libraries(modulix_${name} ${scope} modulix_${dep})
  endforeach()
  target_link_libraries(modulix_${name} ${scope} modulix_platform)
  if(WIN32)
    target_link_libraries(modulix_${name} ${scope} ${M_WIN32_LIBS})
  endif()
endfunction()

# modulix_add_bench(NAME SOURCES files... LIBS modulix_x...): a Google Benchmark program (native).
function(modulix_add_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  modulix_resolve_sources(sources ${B_SOURCES})
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
