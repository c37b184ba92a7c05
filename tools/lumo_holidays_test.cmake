# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lumo-holidays (-DTOOL=path): bad arguments give a usage line on stderr
# and exit status 2; good ones list the holidays of a year day by day.
cmake_minimum_required(VERSION 3.21)

function(expect_usage)
    execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 2 OR NOT err MATCHES "^usage: " OR NOT out STREQUAL "")
        message(FATAL_ERROR "lumo-holidays '${ARGN}': status ${rc}, stdout '${out}', stderr '${err}'")
    endif()
endfunction()

# expected is a regular expression for the whole output.
function(expect_output expected)
    execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "^${expected}$")
        message(FATAL_ERROR "lumo-holidays ${ARGN}: status ${rc}, stderr '${err}', stdout:\n${out}")
    endif()
endfunction()

expect_usage()
expect_usage(2019)
expect_usage(2019 2020 2021)
expect_usage(abc 2020)
expect_usage(2019 "")
expect_usage(2019x 2020)
expect_usage(2019 " 2020")
expect_usage(2020 2019)
expect_usage(2019 99999999999)

expect_output("" 1900 1947)
# The last int year still ends the loop.
expect_output("2147483647-01-01\t元旦\n.*2147483647-11-23\t勤労感謝の日\n" 2147483647 2147483647)

# 2019, the year of the accession: every special day and the names after all marks.
string(JOIN "\n" year2019
    "2019-01-01\t元旦" "2019-01-14\t成人の日" "2019-02-11\t建国記念日" "2019-03-21\t春分の日"
    "2019-04-29\t昭和の日" "2019-04-30\t国民の休日" "2019-05-01\t即位の日" "2019-05-02\t国民の休日"
    "2019-05-03\t憲法記念日" "2019-05-04\tみどりの日" "2019-05-05\tこどもの日" "2019-05-06\t振替休日"
    "2019-07-15\t海の日" "2019-08-11\t山の日" "2019-08-12\t振替休日" "2019-09-16\t敬老の日"
    "2019-09-23\t秋分の日" "2019-10-14\t体育の日" "2019-10-22\t即位礼正殿の儀" "2019-11-03\t文化の日"
    "2019-11-04\t振替休日" "2019-11-23\t勤労感謝の日" "")
expect_output("${year2019}" 2019 2019)

# A full disk: a listing that cannot be written is an error, however it fails.
if(EXISTS /dev/full)
    foreach(range "2020;2030" "2019;2019")
        execute_process(COMMAND ${TOOL} ${range} OUTPUT_FILE /dev/full RESULT_VARIABLE rc ERROR_VARIABLE err)
        if(NOT rc EQUAL 1 OR NOT err MATCHES "^lumo-holidays: cannot write")
            message(FATAL_ERROR "lumo-holidays ${range} >/dev/full: status ${rc}, stderr '${err}'")
        endif()
    endforeach()
endif()
