# Debian's lintian on the package tst_package built: no error and no
# warning. Skipped where lintian is not installed.
cmake_minimum_required(VERSION 3.25)

find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message("lintian is not installed")
  return()
endif()

file(GLOB debs "${WORK}/norvane_*.deb")
execute_process(COMMAND "${LINTIAN}" --fail-on error,warning ${debs} OUTPUT_VARIABLE out
                ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT debs OR NOT status EQUAL 0 OR out MATCHES "(^|\n)[EW]: ")
  message(FATAL_ERROR "lintian on ${debs} (exit ${status}):\n${out}${err}")
endif()
message("${out}")
