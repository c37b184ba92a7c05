# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lumo-koyomi (-DTOOL=path): bad arguments give a usage line on stderr and
# exit status 2, years outside the almanac's range a message and status 2.
cmake_minimum_required(VERSION 3.21)

function(expect_failure pattern)
    execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 2 OR NOT err MATCHES "${pattern}" OR NOT out STREQUAL "")
        message(FATAL_ERROR "lumo-koyomi '${ARGN}': status ${rc}, stdout '${out}', stderr '${err}'")
    endif()
endfunction()

expect_failure("^usage: ")
expect_failure("^usage: " 2033)
expect_failure("^usage: " 2033x 2034)
expect_failure("^usage: " 2034 2033)
expect_failure("out of range" 1872 1873)
expect_failure("out of range" 2200 2201)
expect_failure("out of range" -2147483648 2147483647)

execute_process(COMMAND ${TOOL} 2200 2200 RESULT_VARIABLE rc OUTPUT_VARIABLE out)
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 365 OR NOT out MATCHES "^2200-01-01\t[0-9]+\t[0-9]+\t[01]\t")
    message(FATAL_ERROR "lumo-koyomi 2200 2200: status ${rc}, ${count} lines")
endif()

# A full disk: a listing that cannot be written is an error, however it fails.
if(EXISTS /dev/full)
    foreach(range "2033;2033" "2000;2010")
        execute_process(COMMAND ${TOOL} ${range} OUTPUT_FILE /dev/full RESULT_VARIABLE rc ERROR_VARIABLE err)
        if(NOT rc EQUAL 1 OR NOT err MATCHES "^lumo-koyomi: cannot write")
            message(FATAL_ERROR "lumo-koyomi ${range} >/dev/full: status ${rc}, stderr '${err}'")
        endif()
    endforeach()
endif()
