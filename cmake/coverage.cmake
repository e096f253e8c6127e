# Line coverage of src/ after the tests ran (coverage preset: gcc --coverage). Prints the
# summary and a per-file table, and writes build/<preset>/coverage/index.html.
find_program(GCOVR gcovr)
if(GCOVR)
  add_custom_target(coverage-report
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/coverage
    COMMAND ${GCOVR} --root ${PROJECT_SOURCE_DIR} --filter ${PROJECT_SOURCE_DIR}/src/
            --object-directory ${PROJECT_BINARY_DIR} --print-summary --sort-percentage
            --html-details ${PROJECT_BINARY_DIR}/coverage/index.html --txt -
            ${PROJECT_BINARY_DIR}  # this build's data only, not other build folders below the root
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    USES_TERMINAL)
else()
  add_custom_target(coverage-report
    COMMAND ${CMAKE_COMMAND} -E echo "coverage-report needs gcovr (Debian: apt-get install gcovr)"
    COMMAND ${CMAKE_COMMAND} -E false)
endif()
