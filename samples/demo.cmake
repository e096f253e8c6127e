# Runs zem on the bundled samples: every step file in samples/demo/, in name order.
# Called by the `demo` target with ZEM (the tool), SAMPLES (this folder) and WORK (scratch).
file(MAKE_DIRECTORY ${WORK})

# zem_demo(<args>...): shows the command line, runs it, stops the demo when it fails.
function(zem_demo)
  string(JOIN " " shown ${ARGN})
  message("\n$ zem ${shown}")
  execute_process(COMMAND ${ZEM} ${ARGN} WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "zem ${shown} failed with status ${rc}")
  endif()
endfunction()

file(GLOB steps ${SAMPLES}/demo/*.cmake)
list(SORT steps)
foreach(step IN LISTS steps)
  include(${step})
endforeach()
message("\nDemo finished; files it wrote are in ${WORK}")
