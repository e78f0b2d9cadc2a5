# SPDX-License-Identifier: GPL-3.0-or-later
# Finds the Swiss Ephemeris C library (Debian: libswe-dev; on Windows the
# build of Debian's source package, found through SwissEphemeris_ROOT or
# CMAKE_PREFIX_PATH), and defines the imported target SwissEphemeris::swe.
# Tarnquil uses only its built-in analytic ephemeris, which reads no files.
# The Windows build (tools/windows) installs a CMake package of its own and
# names it in SwissEphemeris_DIR; that package, which defines SwissEphemeris::swe, is used when
# given.
if(SwissEphemeris_DIR)
    find_package(SwissEphemeris CONFIG REQUIRED)
    return()
endif()
find_path(SwissEphemeris_INCLUDE_DIR swephexp.h)
find_library(SwissEphemeris_LIBRARY NAMES swe)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(SwissEphemeris
    REQUIRED_VARS SwissEphemeris_LIBRARY SwissEphemeris_INCLUDE_DIR)
if(SwissEphemeris_FOUND AND NOT TARGET SwissEphemeris::swe)
    add_library(SwissEphemeris::swe UNKNOWN IMPORTED)
    set_target_properties(SwissEphemeris::swe PROPERTIES
        IMPORTED_LOCATION "${SwissEphemeris_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${SwissEphemeris_INCLUDE_DIR}")
endif()
mark_as_advanced(SwissEphemeris_INCLUDE_DIR SwissEphemeris_LIBRARY)
