# GoogleTest is built from Debian's source package with the same toolchain
# and flags as the product; nothing is downloaded.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

if(CMAKE_CROSSCOMPILING)
  # Windows test programs run under Wine, in a prefix that belongs to this build tree.
  set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_SOURCE_DIR}/scripts/wine-run.sh;${CMAKE_BINARY_DIR}/wineprefix")
endif()

# tarvex_add_test(NAME SOURCES... [LIBS ...] [GUI])
# One GoogleTest program, registered with CTest as one test. Under Wine every
# start costs a fraction of a second, so a program is one CTest entry rather
# than one entry per case.
function(tarvex_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main tarvex_warnings)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600 ${ARG_PROPERTIES})
endfunction()
