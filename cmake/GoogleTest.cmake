# Native builds use Debian's GoogleTest; the cross build compiles the sources
# that Debian's googletest package installs.
include(GoogleTest)
if(CMAKE_CROSSCOMPILING)
  set(gtest_src /usr/src/googletest)
  if(NOT EXISTS ${gtest_src}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources not found in ${gtest_src} (package googletest)")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${gtest_src} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()

# zk40_add_test(NAME SOURCES... LIBS ...): one test program, its tests known to CTest.
function(zk40_add_test name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest_main GTest::gmock zk40_warnings)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE ZK40_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  # Discovering at test time keeps the build from starting Wine.
  # Under Wine, a test program that Wine failed to start is started again
  # (cmake/wine-run.sh.in).
  set(environment "")
  if(CMAKE_CROSSCOMPILING_EMULATOR)
    set(environment ENVIRONMENT ZK40_WINE_RETRY_SILENT=1)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 120 ${environment} ${arg_PROPERTIES})
endfunction()
