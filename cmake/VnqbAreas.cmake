# Each folder of the tree adds its own sources and targets; a folder that has no
# CMakeLists.txt yet is skipped, so the tree builds while it fills.
function(vnqb_add_area dir)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endfunction()

# vnqb_add_test(NAME sources... [LIBS libs...] [PROPERTIES prop value...])
# A GoogleTest program registered with CTest; a test program links gtest_main
# unless it brings its own main (GUI tests do, to select the offscreen platform).
# PROPERTIES are added to every discovered test (fixtures, extra environment).
function(vnqb_add_test name)
  cmake_parse_arguments(T "OWN_MAIN" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest)
  if(NOT T_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    ${T_PROPERTIES})
endfunction()
