# Project-wide helpers: warnings as errors for our own code, and the unit-test wrapper.

function(xaq_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
endfunction()

# A room's static library, position-independent so it can go into the module.
function(xaq_library name)
  add_library(${name} STATIC ${ARGN})
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON
                                           CXX_VISIBILITY_PRESET hidden
                                           VISIBILITY_INLINES_HIDDEN ON)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  xaq_warnings(${name})
endfunction()

# xaq_unit_test(name SOURCES a_test.cpp ... LIBS lib ...): one GoogleTest binary, label unit.
# Native builds only: the Windows build proves itself under Wine instead.
function(xaq_unit_test name)
  if(NOT XAQ_NATIVE)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  xaq_warnings(${name})
  gtest_discover_tests(${name} PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)
endfunction()
