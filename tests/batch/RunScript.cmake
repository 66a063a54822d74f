# Runs one driver script in a fresh work folder and compares its output with the expected text.
# Lines "# expect-file: <file in work folder> <file next to the script>" also compare written files.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
if(EXISTS ${SOURCE_DIR}/tests/batch/files)
    file(COPY ${SOURCE_DIR}/tests/batch/files/ DESTINATION ${WORK_DIR})
endif()
if(EXISTS ${SOURCE_DIR}/data/demo)
    file(COPY ${SOURCE_DIR}/data/demo DESTINATION ${WORK_DIR})
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env XDG_STATE_HOME=${WORK_DIR}/state
        ${BATCH} --program-dir ${PROGRAM_DIR} --settings ${WORK_DIR}/der-ed.ini ${SCRIPT}
    WORKING_DIRECTORY ${WORK_DIR}
    OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
# "# expect-exit: N" names another exit status; standard error is then part of the output.
set(wanted_status 0)
file(STRINGS ${SCRIPT} exit_lines REGEX "^# expect-exit: ")
if(exit_lines)
    string(REGEX REPLACE "^# expect-exit: ([0-9]+)$" "\\1" wanted_status "${exit_lines}")
endif()
if(NOT status EQUAL wanted_status)
    message(FATAL_ERROR "der-ed-batch exited with ${status}, not ${wanted_status}: ${errors}")
endif()
if(errors)
    string(APPEND actual "STDERR: ${errors}")
endif()
if(NOT actual STREQUAL expected)
    file(WRITE ${WORK_DIR}/actual.out "${actual}")
    message(FATAL_ERROR "Output differs from ${EXPECTED}; see ${WORK_DIR}/actual.out\n--- actual ---\n${actual}")
endif()
file(STRINGS ${SCRIPT} checks REGEX "^# expect-file: ")
get_filename_component(script_dir ${SCRIPT} DIRECTORY)
foreach(check ${checks})
    string(REGEX REPLACE "^# expect-file: ([^ ]+) ([^ ]+)$" "\\1;\\2" pair "${check}")
    list(GET pair 0 written)
    list(GET pair 1 wanted)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/${written} ${script_dir}/${wanted}
        RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "${written} differs from ${wanted}")
    endif()
endforeach()
