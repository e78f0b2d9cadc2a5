# SPDX-License-Identifier: GPL-3.0-or-later
# Finds ERFA, the IAU SOFA routines as a C library (Debian: liberfa-dev; on
# Windows the build of Debian's source package, found through ERFA_ROOT or
# CMAKE_PREFIX_PATH), and defines the imported target ERFA::ERFA.
# The Windows build (tools/windows) installs a CMake package of its own and
# names it in ERFA_DIR; that package is used when given.
if(ERFA_DIR)
    find_package(ERFA CONFIG REQUIRED)
    if(NOT TARGET ERFA::ERFA)
        add_library(ERFA::ERFA INTERFACE IMPORTED)
        set_target_properties(ERFA::ERFA PROPERTIES INTERFACE_LINK_LIBRARIES ERFA::erfa)
    endif()
    return()
endif()
find_path(ERFA_INCLUDE_DIR erfa.h)
find_library(ERFA_LIBRARY NAMES erfa)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(ERFA REQUIRED_VARS ERFA_LIBRARY ERFA_INCLUDE_DIR)
if(ERFA_FOUND AND NOT TARGET ERFA::ERFA)
    add_library(ERFA::ERFA UNKNOWN IMPORTED)
    set_target_properties(ERFA::ERFA PROPERTIES
        IMPORTED_LOCATION "${ERFA_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${ERFA_INCLUDE_DIR}")
endif()
mark_as_advanced(ERFA_INCLUDE_DIR ERFA_LIBRARY)
