# SPDX-License-Identifier: GPL-3.0-or-later
# Runs `lumo --help` and `lumo --version` with no display at all: both must
# answer on stdout and exit 0, as every desktop program does.
# Usage: cmake -DLUMO=<path> -DVERSION=<x.y.z> -P check_help_version.cmake
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})

function(check_run option expected_regex)
    execute_process(
        COMMAND ${LUMO} ${option}
        RESULT_VARIABLE result
        OUTPUT_VARIABLE out
        ERROR_VARIABLE err
        TIMEOUT 10)
    if(NOT result STREQUAL "0")
        message(FATAL_ERROR "lumo ${option} exited with '${result}'\nstdout: ${out}\nstderr: ${err}")
    endif()
    if(NOT out MATCHES "${expected_regex}")
        message(FATAL_ERROR "lumo ${option} printed an unexpected text:\n${out}")
    endif()
    if(NOT err STREQUAL "")
        message(FATAL_ERROR "lumo ${option} wrote to stderr:\n${err}")
    endif()
endfunction()

string(REPLACE "." "\\." version_regex "${VERSION}")
check_run(--help "^Usage: lumo \\[--help \\| --version\\]\n.+")
check_run(--version "^lumo ${version_regex}\n$")
