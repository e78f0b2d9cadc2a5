# SPDX-License-Identifier: GPL-3.0-or-later
# How the tests of the Qt layers are built and run: Qt Test programs, each
# linking the one library it tests.
find_package(Qt6 REQUIRED COMPONENTS Test)

# Qt's platform plugin the window tests run on: offscreen, or windows for the
# Windows build under Wine (its Qt has no offscreen plugin).
set(TARNQUIL_UI_TEST_PLATFORM offscreen CACHE STRING "Qt platform plugin for the window tests")
# Seconds each window test may take: real windows under Wine, made anew for
# each of hundreds of rows, take several times the offscreen time.
set(TARNQUIL_UI_TEST_TIMEOUT 240 CACHE STRING "Time limit of each window test, in seconds")

# Real windows (the windows platform under Wine) share one desktop and one
# active window: two window tests side by side take the activation from each
# other, and a test waiting for its window to become active waits in vain.
# There they run one at a time, beside the other suites.
function(tarnquil_ui_desktop name)
    if(NOT TARNQUIL_UI_TEST_PLATFORM STREQUAL "offscreen")
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
    endif()
endfunction()

# Runs a window test program as the ctest test NAME: all its test functions,
# or those named after the program.
function(tarnquil_ui_ctest name program)
    add_test(NAME ${name} COMMAND ${program} ${ARGN})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${TARNQUIL_UI_TEST_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=${TARNQUIL_UI_TEST_PLATFORM}")
    tarnquil_ui_desktop(${name})
endfunction()

# Runs the test functions named of a window test program as the ctest test
# NAME on a 1024 by 768 screen at 200 % (512 by 384 of the window's pixels),
# offscreen only: the windows platform has no screen of its own to give.
function(tarnquil_small_screen_ctest name program)
    if(TARNQUIL_UI_TEST_PLATFORM STREQUAL "offscreen")
        tarnquil_ui_ctest(${name} ${program} ${ARGN})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_FUNCTION_LIST_DIR}/small_screen.json;QT_SCALE_FACTOR=2")
    endif()
endfunction()

# tarnquil_qt_test(NAME LIBRARY [SOURCES ...]): the test program NAME from
# NAME.cpp (and SOURCES), linking LIBRARY and Qt Test.
function(tarnquil_qt_test name library)
    add_executable(${name} ${name}.cpp ${ARGN})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${library} Qt6::Test)
endfunction()

# A test of a layer without windows: the platform it is given names no
# plugin, so that one which made a GUI application would fail at once.
function(tarnquil_core_ctest name)
    add_test(NAME ${name} COMMAND ${name} ${ARGN})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 120
        ENVIRONMENT "QT_QPA_PLATFORM=no-such-platform")
endfunction()
