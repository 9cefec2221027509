# SPDX-License-Identifier: GPL-3.0-or-later
# Runs varnock-console on one case and fails on any difference from what the
# case expects.
#
#   cmake -DCONSOLE=<program> -DCASE=<dir>/<name> -DACTUAL=<dir> -P RunScript.cmake
#
# A case is NAME.out (the expected standard output) with:
#   NAME.txt     the commands, fed to standard input, or
#   NAME.args    the program's arguments, one a line, run in the case's folder
#                with empty standard input;
#   NAME.err     the expected standard error (none: empty);
#   NAME.status  the expected exit status (none: 0).
# What the program wrote goes to ACTUAL/NAME.out and ACTUAL/NAME.err.
cmake_minimum_required(VERSION 3.25)

get_filename_component(folder "${CASE}" DIRECTORY)
get_filename_component(name "${CASE}" NAME)

if(EXISTS "${CASE}.args")
  file(STRINGS "${CASE}.args" arguments)
  set(input /dev/null)
else()
  set(arguments)
  set(input "${CASE}.txt")
endif()

execute_process(
  COMMAND "${CONSOLE}" ${arguments}
  WORKING_DIRECTORY "${folder}"
  INPUT_FILE "${input}"
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status)

file(READ "${CASE}.out" expected_out)
set(expected_err "")
if(EXISTS "${CASE}.err")
  file(READ "${CASE}.err" expected_err)
endif()
set(expectedStatus 0)
if(EXISTS "${CASE}.status")
  file(STRINGS "${CASE}.status" expectedStatus LIMIT_COUNT 1)
endif()

file(MAKE_DIRECTORY "${ACTUAL}")
file(WRITE "${ACTUAL}/${name}.out" "${out}")
file(WRITE "${ACTUAL}/${name}.err" "${err}")

set(failures "")
foreach(stream out err)
  if(NOT "${${stream}}" STREQUAL "${expected_${stream}}")
    if(stream STREQUAL "out")
      set(expectedFile "${CASE}.out")
    else()
      set(expectedFile "${ACTUAL}/${name}.expected.err")
      file(WRITE "${expectedFile}" "${expected_err}")
    endif()
    execute_process(COMMAND diff -u "${expectedFile}" "${ACTUAL}/${name}.${stream}"
                    OUTPUT_VARIABLE difference)
    if(stream STREQUAL "out")
      set(streamName "standard output")
    else()
      set(streamName "standard error")
    endif()
    string(APPEND failures "${streamName} differs:\n${difference}\n")
  endif()
endforeach()
if(NOT "${status}" STREQUAL "${expectedStatus}")
  string(APPEND failures "exit status ${status}, expected ${expectedStatus}\n")
endif()
if(failures)
  message(FATAL_ERROR "${name}:\n${failures}")
endif()
