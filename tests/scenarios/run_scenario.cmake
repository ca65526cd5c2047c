# Runs one batch scenario and compares everything it produced with what the
# scenario expects: NAME.out (standard output), NAME.err (standard error),
# NAME.status (exit status, 0 when absent) and every file under NAME.files/,
# byte for byte, against the file of that name the run wrote.
#   cmake -DBATCH=... -DSCENARIO=dir/NAME -DWORK=dir -P run_scenario.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND "${BATCH}" "${SCENARIO}.kvs"
  WORKING_DIRECTORY "${WORK}"
  OUTPUT_FILE "${WORK}/actual.out"
  ERROR_FILE "${WORK}/actual.err"
  RESULT_VARIABLE status)

set(expected_status 0)
if(EXISTS "${SCENARIO}.status")
  file(STRINGS "${SCENARIO}.status" expected_status LIMIT_COUNT 1)
endif()
if(NOT status STREQUAL expected_status)
  file(READ "${WORK}/actual.err" err)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${err}")
endif()

function(expect_same expected actual)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${expected}" "${actual}"
                  RESULT_VARIABLE differ)
  if(differ)
    execute_process(COMMAND diff -u "${expected}" "${actual}" OUTPUT_VARIABLE shown)
    message(FATAL_ERROR "${actual} differs from ${expected}\n${shown}")
  endif()
endfunction()

foreach(stream out err)
  if(EXISTS "${SCENARIO}.${stream}")
    expect_same("${SCENARIO}.${stream}" "${WORK}/actual.${stream}")
  else()
    file(SIZE "${WORK}/actual.${stream}" size)
    if(size GREATER 0)
      message(FATAL_ERROR "unexpected output on std${stream}")
    endif()
  endif()
endforeach()

if(IS_DIRECTORY "${SCENARIO}.files")
  file(GLOB expected_files RELATIVE "${SCENARIO}.files" "${SCENARIO}.files/*")
  foreach(name IN LISTS expected_files)
    if(NOT EXISTS "${WORK}/${name}")
      message(FATAL_ERROR "the run wrote no file ${name}")
    endif()
    expect_same("${SCENARIO}.files/${name}" "${WORK}/${name}")
  endforeach()
endif()
