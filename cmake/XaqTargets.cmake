# Project-wide helpers: warnings as errors for our own code, and the unit-test wrapper.

# The font library keeps its cache for the life of a process; under the leak checker every
# program that draws text runs with this.
set(XAQ_LSAN_ENV "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp")

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
# Native builds only: the Windows build proves itself under Wine instead, and the fuzz build
# has no GoogleTest.
function(xaq_unit_test name)
  if(NOT XAQ_NATIVE OR XAQ_FUZZ)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  xaq_warnings(${name})
  gtest_discover_tests(${name} PROPERTIES LABELS unit ENVIRONMENT "${XAQ_LSAN_ENV}" DISCOVERY_TIMEOUT 60)
endfunction()

# Adds every subfolder of the current folder that has a CMakeLists.txt, so rooms can add their
# perf/ and tests/ pieces without editing a shared list.
function(xaq_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# Wine: one prefix per build folder, created once by a fixture so parallel tests never race on it.
if(NOT XAQ_NATIVE AND NOT TARGET xaq_wine_fixture_defined)
  find_program(XAQ_WINE wine)
  find_program(XAQ_XVFB_RUN xvfb-run)
  set(XAQ_WINEPREFIX ${PROJECT_BINARY_DIR}/wineprefix)
  set(XAQ_WINE_ENV "WINEPREFIX=${XAQ_WINEPREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=;WINEARCH=win32")
endif()

function(xaq_wine_fixture)
  # Once for the whole build: `if(TEST ...)` only sees the current folder's tests.
  get_property(defined GLOBAL PROPERTY XAQ_WINE_FIXTURE_DEFINED)
  if(XAQ_NATIVE OR defined)
    return()
  endif()
  set_property(GLOBAL PROPERTY XAQ_WINE_FIXTURE_DEFINED TRUE)
  add_test(NAME wine_prefix COMMAND ${XAQ_WINE} wineboot -i)
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${XAQ_WINE_ENV}"
                                               LABELS win32 TIMEOUT 300)
endfunction()

# xaq_wine_test(name [GUI] COMMAND exe args...): runs a Windows program under Wine (label win32);
# GUI programs get a virtual X display from xvfb-run.
function(xaq_wine_test name)
  cmake_parse_arguments(T "GUI" "" "COMMAND" ${ARGN})
  xaq_wine_fixture()
  if(T_GUI)
    set(cmd ${XAQ_XVFB_RUN} -a ${XAQ_WINE} ${T_COMMAND})
  else()
    set(cmd ${XAQ_WINE} ${T_COMMAND})
  endif()
  add_test(NAME ${name} COMMAND ${cmd})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT "${XAQ_WINE_ENV}"
                                          LABELS win32 TIMEOUT 300)
endfunction()
