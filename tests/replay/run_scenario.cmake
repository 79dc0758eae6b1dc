# Runs one scenario (see CMakeLists.txt) and fails with a diff when the output differs.
get_filename_component(dir ${EVENTS} DIRECTORY)
get_filename_component(name ${EVENTS} NAME_WE)

set(args "")
file(STRINGS ${EVENTS} lines ENCODING UTF-8)
foreach(line IN LISTS lines)
  if(line MATCHES "^#! (.*)$")
    # A semicolon inside an argument must not split it into two list elements.
    string(REPLACE ";" "\\;" arg "${CMAKE_MATCH_1}")
    list(APPEND args "${arg}")
  endif()
endforeach()

execute_process(COMMAND ${REPLAY} ${args}
                INPUT_FILE ${EVENTS}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "n5-replay exited with ${status}\n${err}")
endif()

function(compare what actual file)
  file(READ ${file} expected)
  if(NOT actual STREQUAL expected)
    file(WRITE ${file}.actual "${actual}")
    execute_process(COMMAND diff -u ${file} ${file}.actual OUTPUT_VARIABLE diff)
    file(REMOVE ${file}.actual)
    message(FATAL_ERROR "${name}: ${what} differs\n${diff}")
  endif()
endfunction()

compare("standard output" "${out}" ${dir}/${name}.expected)
if(EXISTS ${dir}/${name}.stderr)
  compare("standard error" "${err}" ${dir}/${name}.stderr)
elseif(NOT err STREQUAL "")
  message(FATAL_ERROR "${name}: unexpected standard error:\n${err}")
endif()
