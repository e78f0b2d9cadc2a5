# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DPROGRAM=<window test> -DRUN=<function,...> -P check_functions.cmake
# A window test that ctest runs in parts names the functions of each part;
# this fails when the program has a test function that no part names, so
# that a new function cannot go unrun.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${PROGRAM} -functions
                OUTPUT_VARIABLE listed RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} -functions failed: ${status}")
endif()
string(REGEX MATCHALL "[A-Za-z0-9_]+\\(\\)" functions "${listed}")
if(NOT functions)
    message(FATAL_ERROR "${PROGRAM} -functions listed no function")
endif()
string(REPLACE "," ";" run "${RUN}")
set(unrun)
foreach(function IN LISTS functions)
    string(REPLACE "()" "" function "${function}")
    if(NOT function IN_LIST run)
        list(APPEND unrun ${function})
    endif()
endforeach()
if(unrun)
    list(JOIN unrun ", " unrun)
    message(FATAL_ERROR "no ctest test runs ${unrun}: name each in a part in tests/calculator/CMakeLists.txt")
endif()
