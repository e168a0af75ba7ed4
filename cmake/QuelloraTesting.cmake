# Test wiring shared by every module: GoogleTest for each configuration, the Wine
# runner as the emulator of the Windows builds, and one Wine session per test run.

if(WIN32)
  # GoogleTest built from the sources of Debian's googletest package.
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  set(QUELLORA_GTEST_MAIN GTest::gtest_main)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gmock ALIAS gmock)
  endif()

  # The Wine runs of 64-bit builds may take Wine's 64-bit loader alone (tools/lib.sh).
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUELLORA_WINE_ARCH win64)
  else()
    set(QUELLORA_WINE_ARCH win32)
  endif()
  set(QUELLORA_WINE_ENV QUELLORA_WINE_ARCH=${QUELLORA_WINE_ARCH})

  set(QUELLORA_WINE_STATE ${CMAKE_BINARY_DIR}/wine)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${PROJECT_SOURCE_DIR}/tools/wine-run.sh;--state;${QUELLORA_WINE_STATE})

  # One throwaway prefix and one Xvfb display for the whole run, made before any
  # Windows test and stopped after the last.
  add_test(NAME wine.session.start
           COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-session.sh start ${QUELLORA_WINE_STATE})
  add_test(NAME wine.session.stop
           COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-session.sh stop ${QUELLORA_WINE_STATE})
  set_tests_properties(wine.session.start PROPERTIES FIXTURES_SETUP wine RUN_SERIAL ON TIMEOUT 300)
  set_tests_properties(wine.session.stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
  # Label "wine": the test runs Windows code, which a machine without 32-bit
  # code cannot do for the 32-bit builds (see the Makefile).
  set_tests_properties(wine.session.start wine.session.stop PROPERTIES
                       ENVIRONMENT "${QUELLORA_WINE_ENV}" LABELS wine)
else()
  find_package(GTest REQUIRED)
  set(QUELLORA_GTEST_MAIN GTest::gtest_main)
endif()

# quellora_test(NAME SOURCES ... [LIBS ...] [ENV VAR=VALUE ...] [TIMEOUT s])
# builds one test program and registers it with CTest; under Windows it runs
# through Wine inside the run's Wine session.
function(quellora_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${QUELLORA_GTEST_MAIN})
  quellora_add_test(${name} COMMAND ${name} ENV ${T_ENV} TIMEOUT ${T_TIMEOUT})
endfunction()

# quellora_add_test(NAME COMMAND cmd args... [ENV ...] [TIMEOUT s]) registers a
# test command; a Windows command gets the Wine session fixture and the label wine.
function(quellora_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "COMMAND;ENV" ${ARGN})
  add_test(NAME ${name} COMMAND ${T_COMMAND})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(WIN32)
    list(APPEND T_ENV ${QUELLORA_WINE_ENV})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine LABELS wine)
  endif()
  if(T_ENV)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${T_ENV}")
  endif()
endfunction()

# quellora_check_imports(TARGET... [ON_DEMAND DLL...]) checks that Windows
# programs import system DLLs only, and none of the DLLs they load on demand.
function(quellora_check_imports)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(I "" "" "ON_DEMAND" ${ARGN})
  string(REGEX REPLACE "g\\+\\+(-posix)?$" "objdump" objdump "${CMAKE_CXX_COMPILER}")
  set(not)
  foreach(dll IN LISTS I_ON_DEMAND)
    list(APPEND not --not ${dll})
  endforeach()
  foreach(target IN LISTS I_UNPARSED_ARGUMENTS)
    add_test(NAME imports.${target}
             COMMAND ${PROJECT_SOURCE_DIR}/tools/check-imports.sh ${objdump} ${not} $<TARGET_FILE:${target}>)
  endforeach()
endfunction()
