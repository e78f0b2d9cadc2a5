# SPDX-License-Identifier: GPL-3.0-or-later
# tarnquil::exact_arithmetic: how every library that computes navigational
# numbers is compiled (geo, the step-by-step reference in tests/oracle, nav);
# each links it PRIVATE. Their results are defined as the exact sequence of
# double operations they perform, so that a test can demand the very same
# bits: no fused multiply-add and no value-changing optimisation, in any
# build type.
add_library(tarnquil_exact_arithmetic INTERFACE)
add_library(tarnquil::exact_arithmetic ALIAS tarnquil_exact_arithmetic)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(tarnquil_exact_arithmetic INTERFACE -ffp-contract=off -fno-fast-math)
elseif(MSVC)
    # /fp:precise keeps every double operation as written, without contraction.
    target_compile_options(tarnquil_exact_arithmetic INTERFACE /fp:precise)
endif()
